#include "drop/DropDownTable.h"

#include <limits>

#include "container/AutomationError.h"
#include "container/RuntimeArray.h"

namespace {

constexpr int kFirstNumber = 1;
constexpr std::int16_t kMaxCount = std::numeric_limits<std::int16_t>::max();

}  // namespace

tDropDownItemInfo& DropDownTable::DropDown(int n) { return ArrayElement(m_DropDowns, n); }

const tDropDownItemInfo& DropDownTable::DropDown(int n) const { return const_cast<DropDownTable*>(this)->DropDown(n); }

tDropToolItemInfo& DropDownTable::Tool(int n, int t) { return ArrayElement(DropDown(n).cDITools, t); }

const tDropToolItemInfo& DropDownTable::Tool(int n, int t) const {
  return const_cast<DropDownTable*>(this)->Tool(n, t);
}

tImageListSlot& DropDownTable::ImageList(int n) { return ArrayElement(m_ImageLists, n); }

const tImageListSlot& DropDownTable::ImageList(int n) const { return const_cast<DropDownTable*>(this)->ImageList(n); }

int DropDownTable::FindDropDown(std::string_view sKey) const {
  return FindElement(m_DropDowns, m_Count,
                     [sKey](const tDropDownItemInfo& dropDown) { return dropDown.cDIKey == sKey; });
}

int DropDownTable::FindTool(int n, std::string_view sKey) const {
  const tDropDownItemInfo& dropDown = DropDown(n);
  return FindElement(dropDown.cDITools, dropDown.cDIToolCount,
                     [sKey](const tDropToolItemInfo& tool) { return tool.cDTIKey == sKey; });
}

tImageListSlot& DropDownTable::NextImageList() {
  const std::size_t next = static_cast<std::size_t>(m_Count) + 1;
  m_ImageLists.resize(next + 1);
  m_ImageLists[next] = tImageListSlot{};
  return m_ImageLists[next];
}

std::int16_t DropDownTable::AddDropDown(tDropDownItemInfo record) {
  if (m_Count == kMaxCount) RaiseRuntimeError(runtime_error_number::Overflow);
  record.cDITools.assign(1, tDropToolItemInfo{});
  record.cDIToolCount = 0;
  if (m_DropDowns.empty()) m_DropDowns.resize(1);
  m_DropDowns.push_back(std::move(record));
  if (m_ImageLists.size() < m_DropDowns.size()) m_ImageLists.resize(m_DropDowns.size());
  return ++m_Count;
}

void DropDownTable::RemoveDropDown(int n) {
  if (n < kFirstNumber || n > m_Count) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  EraseElement(m_DropDowns, n);
  EraseElement(m_ImageLists, n);
  --m_Count;
}

void DropDownTable::Clear() {
  m_DropDowns.clear();
  m_ImageLists.clear();
  m_Count = 0;
}

std::int16_t DropDownTable::AddTool(int n, tDropToolItemInfo record) {
  tDropDownItemInfo& dropDown = DropDown(n);
  if (dropDown.cDIToolCount == kMaxCount) RaiseRuntimeError(runtime_error_number::Overflow);
  dropDown.cDITools.push_back(std::move(record));
  return ++dropDown.cDIToolCount;
}

void DropDownTable::RemoveTool(int n, int t) {
  tDropDownItemInfo& dropDown = DropDown(n);
  if (t < kFirstNumber) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  EraseElement(dropDown.cDITools, t);
  --dropDown.cDIToolCount;
}

void DropDownTable::ClearTools(int n) {
  tDropDownItemInfo& dropDown = DropDown(n);
  dropDown.cDITools.assign(1, tDropToolItemInfo{});
  dropDown.cDIToolCount = 0;
}
