#include "bands/BandTable.h"

#include <algorithm>
#include <limits>

#include "container/AutomationError.h"
#include "container/RuntimeArray.h"

namespace {

constexpr int kFirstIndex = 1;
constexpr std::int16_t kMaxCount = std::numeric_limits<std::int16_t>::max();

// Element p of a 1-based array, removed so that later elements move down one place.
template <class T>
void EraseElement(std::vector<T>& array, int p) {
  ArrayElement(array, p);
  array.erase(array.begin() + p);
}

}  // namespace

tBandInfo& BandTable::Band(int p) { return ArrayElement(m_Bands, p); }

const tBandInfo& BandTable::Band(int p) const { return const_cast<BandTable*>(this)->Band(p); }

tToolItemInfo& BandTable::Tool(int p, int t) { return ArrayElement(Band(p).cBITools, t); }

const tToolItemInfo& BandTable::Tool(int p, int t) const { return const_cast<BandTable*>(this)->Tool(p, t); }

int BandTable::FindBand(std::string_view sKey) const {
  for (int p = kFirstIndex; p <= m_Count; ++p) {
    if (Band(p).cBIKey == sKey) return p;
  }
  return 0;
}

int BandTable::FindBandIndex(std::int16_t iIndex) const {
  for (int p = kFirstIndex; p <= m_Count; ++p) {
    if (Band(p).cBIIndex == iIndex) return p;
  }
  return 0;
}

int BandTable::FindTool(int p, std::string_view sKey) const {
  const tBandInfo& band = Band(p);
  for (int t = kFirstIndex; t <= band.cBIToolCount; ++t) {
    if (band.cBITools[static_cast<size_t>(t)].cTIKey == sKey) return t;
  }
  return 0;
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

void BandTable::RemoveBand(int r) {
  if (m_Count == 0) return;
  const tBandInfo& removed = Band(r);
  const std::int16_t line = removed.cBILineIndex;
  const std::int16_t position = removed.cBILinePosition;
  bool lineShared = false;
  for (int p = kFirstIndex; p <= m_Count; ++p) {
    if (p != r && Band(p).cBILineIndex == line) lineShared = true;
  }
  for (int p = kFirstIndex; p <= m_Count; ++p) {
    tBandInfo& band = Band(p);
    if (p == r) continue;
    if (lineShared && band.cBILineIndex == line && band.cBILinePosition > position) --band.cBILinePosition;
    if (!lineShared && band.cBILineIndex > line) --band.cBILineIndex;
  }
  EraseElement(m_Bands, r);
  --m_Count;
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
