#include "bands/BandTable.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "container/AutomationError.h"
#include "container/RuntimeArray.h"

namespace {

constexpr int kFirstIndex = 1;
constexpr std::int16_t kMaxCount = std::numeric_limits<std::int16_t>::max();

}  // namespace

tBandInfo& BandTable::Band(int p) { return ArrayElement(m_Bands, p); }

const tBandInfo& BandTable::Band(int p) const { return const_cast<BandTable*>(this)->Band(p); }

tToolItemInfo& BandTable::Tool(int p, int t) { return ArrayElement(Band(p).cBITools, t); }

const tToolItemInfo& BandTable::Tool(int p, int t) const { return const_cast<BandTable*>(this)->Tool(p, t); }

int BandTable::FindBand(std::string_view sKey) const {
  return FindElement(m_Bands, m_Count, [sKey](const tBandInfo& band) { return band.cBIKey == sKey; });
}

int BandTable::FindBandIndex(std::int16_t iIndex) const {
  return FindElement(m_Bands, m_Count, [iIndex](const tBandInfo& band) { return band.cBIIndex == iIndex; });
}

int BandTable::FindTool(int p, std::string_view sKey) const {
  const tBandInfo& band = Band(p);
  return FindElement(band.cBITools, band.cBIToolCount,
                     [sKey](const tToolItemInfo& tool) { return tool.cTIKey == sKey; });
}

std::int16_t BandTable::FreeBandIndex() const {
  std::int16_t candidate = static_cast<std::int16_t>(m_Count + 1);
  if (FindBandIndex(candidate) == 0) return candidate;
  candidate = kFirstIndex;
  while (FindBandIndex(candidate) != 0) ++candidate;
  return candidate;
}

std::int16_t BandTable::AddBand(tBandInfo record) {
  if (m_Count == kMaxCount) RaiseRuntimeError(runtime_error_number::Overflow);
  record.cBITools.assign(1, tToolItemInfo{});
  record.cBIToolCount = 0;
  if (m_Bands.empty()) m_Bands.resize(1);
  m_Bands.push_back(std::move(record));
  return ++m_Count;
}

bool BandTable::LineShared(int r) const {
  for (int p = kFirstIndex; p <= m_Count; ++p) {
    if (p != r && Band(p).cBILineIndex == Band(r).cBILineIndex) return true;
  }
  return false;
}

int BandTable::BandsOnLine(std::int16_t line) const {
  int n = 0;
  for (int p = kFirstIndex; p <= m_Count; ++p) n += Band(p).cBILineIndex == line ? 1 : 0;
  return n;
}

void BandTable::CloseGapOf(int r) {
  const std::int16_t line = Band(r).cBILineIndex;
  const std::int16_t position = Band(r).cBILinePosition;
  const bool lineShared = LineShared(r);
  for (int p = kFirstIndex; p <= m_Count; ++p) {
    tBandInfo& band = Band(p);
    if (p == r) continue;
    if (lineShared && band.cBILineIndex == line && band.cBILinePosition > position) --band.cBILinePosition;
    if (!lineShared && band.cBILineIndex > line) --band.cBILineIndex;
  }
}

void BandTable::RemoveBand(int r) {
  if (m_Count == 0) return;
  CloseGapOf(r);
  EraseElement(m_Bands, r);
  --m_Count;
}

bool BandTable::MoveBandToLine(int r, int iStep) {
  tBandInfo& moved = Band(r);
  const int iLines = [&] {
    int last = 0;
    for (int p = kFirstIndex; p <= m_Count; ++p) last = std::max<int>(last, Band(p).cBILineIndex);
    return last;
  }();
  const int target = moved.cBILineIndex + iStep;
  const bool bShared = LineShared(r);
  // A band alone on the first or last line has nowhere new to go.
  if (!bShared && (target < kFirstIndex || target > iLines)) return false;
  CloseGapOf(r);
  int line = bShared ? target : (iStep > 0 ? target - 1 : target);  // its own line closed up
  if (line < kFirstIndex) {
    for (int p = kFirstIndex; p <= m_Count; ++p) ++Band(p).cBILineIndex;  // a new first line
    line = kFirstIndex;
  }
  moved.cBILineIndex = static_cast<std::int16_t>(line);
  moved.cBILinePosition = static_cast<std::int16_t>(BandsOnLine(moved.cBILineIndex));
  return true;
}

bool BandTable::MoveBandOnLine(int r, int iStep) {
  tBandInfo& moved = Band(r);
  const int target = moved.cBILinePosition + iStep;
  for (int p = kFirstIndex; p <= m_Count; ++p) {
    tBandInfo& other = Band(p);
    if (p == r || other.cBILineIndex != moved.cBILineIndex || other.cBILinePosition != target) continue;
    std::swap(other.cBILinePosition, moved.cBILinePosition);
    return true;
  }
  return false;
}

void BandTable::Clear() {
  m_Bands.clear();
  m_Count = 0;
}

std::int16_t BandTable::AddTool(int p, tToolItemInfo record) {
  tBandInfo& band = Band(p);
  if (band.cBIToolCount == kMaxCount) RaiseRuntimeError(runtime_error_number::Overflow);
  band.cBITools.push_back(std::move(record));
  band.cBIToolsDirty = VARIANT_TRUE;
  return ++band.cBIToolCount;
}

void BandTable::RemoveTool(int p, int t) {
  tBandInfo& band = Band(p);
  EraseElement(band.cBITools, t);
  --band.cBIToolCount;
}

void BandTable::ClearTools(int p) {
  tBandInfo& band = Band(p);
  band.cBITools.assign(1, tToolItemInfo{});
  band.cBIToolCount = 0;
}
