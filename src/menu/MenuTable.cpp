#include "menu/MenuTable.h"

#include <limits>

#include "container/AutomationError.h"
#include "container/RuntimeArray.h"

namespace {

constexpr int kFirstIndex = 1;
constexpr std::int16_t kMaxCount = std::numeric_limits<std::int16_t>::max();

// Arrays of the table hold an unused element 0 once anything is stored in them.
template <class T>
void EnsureElementZero(std::vector<T>& array) {
  if (array.empty()) array.resize(1);
}

}  // namespace

int tMenuTableChange::MenuAfter(int m) const {
  switch (Kind) {
    case eKind::MenusCleared: return 0;
    case eKind::MenuRemoved: return m == iMenu ? 0 : (m > iMenu ? m - 1 : m);
    default: return m;
  }
}

int tMenuTableChange::ItemAfter(int m, int i) const {
  if (MenuAfter(m) == 0) return 0;
  if (m != iMenu) return i;
  switch (Kind) {
    case eKind::ItemsCleared: return 0;
    case eKind::ItemRemoved: return i == iItem ? 0 : (i > iItem ? i - 1 : i);
    default: return i;
  }
}

MenuTable::Watch::Watch(MenuTable& table, int iMenu, int iItem) : m_Table(table), m_iMenu(iMenu), m_iItem(iItem) {
  m_Table.m_Watches.push_back(this);
}

MenuTable::Watch::~Watch() { std::erase(m_Table.m_Watches, this); }

void MenuTable::Notify(tMenuTableChange::eKind eKind, int iMenu, int iItem) const {
  const tMenuTableChange change{eKind, iMenu, iItem};
  for (Watch* watch : m_Watches) {
    if (watch->m_iItem != 0) watch->m_iItem = change.ItemAfter(watch->m_iMenu, watch->m_iItem);
    watch->m_iMenu = change.MenuAfter(watch->m_iMenu);
  }
  if (m_OnChange) m_OnChange(change);
}

tMenuInfo& MenuTable::Menu(int n) { return ArrayElement(m_Menus, n); }

const tMenuInfo& MenuTable::Menu(int n) const { return const_cast<MenuTable*>(this)->Menu(n); }

tMenuItemInfo& MenuTable::Item(int m, int i) { return ArrayElement(Menu(m).cMMenuItems, i); }

const tMenuItemInfo& MenuTable::Item(int m, int i) const { return const_cast<MenuTable*>(this)->Item(m, i); }

tMenuItemGroup& MenuTable::Group(int m, int i) { return ArrayElement(ArrayElement(m_Groups, m), i); }

const tMenuItemGroup& MenuTable::Group(int m, int i) const {
  return const_cast<MenuTable*>(this)->Group(m, i);
}

std::int16_t MenuTable::AddMenu(tMenuInfo record) {
  if (m_Count == kMaxCount) RaiseRuntimeError(runtime_error_number::Overflow);
  record.cMMenuItems.assign(1, tMenuItemInfo{});
  record.cMMenuItemsCount = 0;
  EnsureElementZero(m_Menus);
  EnsureElementZero(m_Groups);
  EnsureElementZero(m_ItemKeys);
  m_MenuKeys.Append(record.cMKey, m_Count + 1);
  m_Menus.push_back(std::move(record));
  m_Groups.emplace_back(1);
  m_ItemKeys.emplace_back();
  ++m_Count;
  Notify(tMenuTableChange::eKind::MenuAdded, m_Count);
  return m_Count;
}

std::int16_t MenuTable::AddItem(int m, tMenuItemInfo record) {
  tMenuInfo& menu = Menu(m);
  std::vector<tMenuItemGroup>& groups = ArrayElement(m_Groups, m);
  if (menu.cMMenuItemsCount == kMaxCount) RaiseRuntimeError(runtime_error_number::Overflow);
  EnsureElementZero(menu.cMMenuItems);
  EnsureElementZero(groups);
  m_ItemKeys[static_cast<size_t>(m)].Append(record.cMIKey, menu.cMMenuItemsCount + 1);
  menu.cMMenuItems.push_back(std::move(record));
  groups.emplace_back();
  const std::int16_t i = ++menu.cMMenuItemsCount;
  Notify(tMenuTableChange::eKind::ItemAdded, m, i);
  return i;
}

void MenuTable::RemoveMenu(int p) {
  Menu(p);  // error 9 before anything changes
  m_Menus.erase(m_Menus.begin() + p);
  m_Groups.erase(m_Groups.begin() + p);
  m_ItemKeys.erase(m_ItemKeys.begin() + p);
  --m_Count;
  RebuildMenuKeys();
  Notify(tMenuTableChange::eKind::MenuRemoved, p);
}

void MenuTable::RemoveItem(int m, int p) {
  tMenuInfo& menu = Menu(m);
  std::vector<tMenuItemGroup>& groups = ArrayElement(m_Groups, m);
  ArrayElement(menu.cMMenuItems, p);  // error 9 before anything changes
  ArrayElement(groups, p);
  menu.cMMenuItems.erase(menu.cMMenuItems.begin() + p);
  groups.erase(groups.begin() + p);
  --menu.cMMenuItemsCount;
  RebuildItemKeys(m);
  Notify(tMenuTableChange::eKind::ItemRemoved, m, p);
}

void MenuTable::Clear() {
  m_Menus.clear();
  m_Groups.clear();
  m_MenuKeys.Clear();
  m_ItemKeys.clear();
  m_Count = 0;
  Notify(tMenuTableChange::eKind::MenusCleared);
}

void MenuTable::ClearItems(int m) {
  tMenuInfo& menu = Menu(m);
  menu.cMMenuItems.assign(1, tMenuItemInfo{});
  menu.cMMenuItemsCount = 0;
  ArrayElement(m_Groups, m).assign(1, tMenuItemGroup{});
  m_ItemKeys[static_cast<size_t>(m)].Clear();
  Notify(tMenuTableChange::eKind::ItemsCleared, m);
}

int MenuTable::FindMenu(std::string_view sKey) const { return m_MenuKeys.Find(sKey); }

int MenuTable::FindItem(int m, std::string_view sKey) const {
  Menu(m);  // error 9 beyond the table
  return m_ItemKeys[static_cast<size_t>(m)].Find(sKey);
}

void MenuTable::RebuildMenuKeys() {
  m_MenuKeys.Rebuild(m_Count, [this](int n) -> const std::string& { return Menu(n).cMKey; });
}

void MenuTable::RebuildItemKeys(int m) {
  m_ItemKeys[static_cast<size_t>(m)].Rebuild(ItemCount(m), [this, m](int i) -> const std::string& { return Item(m, i).cMIKey; });
}

void MenuTable::ApplyGroupRule(int m, int i) {
  if (Item(m, i).cMIChecked == VARIANT_FALSE) return;
  const tMenuItemGroup self = Group(m, i);
  if (self.Grouped == VARIANT_FALSE) return;
  for (int n = kFirstIndex; n <= m_Count; ++n) {
    for (int j = kFirstIndex; j <= ItemCount(n); ++j) {
      if (n == m && j == i) continue;
      const tMenuItemGroup& other = Group(n, j);
      if (other.Grouped != VARIANT_FALSE && other.GroupID == self.GroupID) Item(n, j).cMIChecked = VARIANT_FALSE;
    }
  }
}
