// The control's menu table: the 1-based array of tMenuInfo records, the 16-bit menu count and
// the group side table (one tMenuItemGroup array per menu, parallel to its items). Arrays keep
// element 0 unused, as the records' readers expect; reading beyond an array raises the
// runtime's subscript error (9), as an array access of the automation runtime does.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "menu/KeyIndex.h"
#include "menu/MenuRecords.h"

class MenuTable {
 public:
  std::int16_t Count() const { return m_Count; }

  // Menu n (0..Count once anything was added); error 9 beyond the array.
  tMenuInfo& Menu(int n);
  const tMenuInfo& Menu(int n) const;
  // Item i of menu m; error 9 beyond the arrays.
  tMenuItemInfo& Item(int m, int i);
  const tMenuItemInfo& Item(int m, int i) const;
  // Group record of item i of menu m; error 9 beyond the arrays.
  tMenuItemGroup& Group(int m, int i);
  const tMenuItemGroup& Group(int m, int i) const;
  // The item count of menu m; error 9 beyond the table.
  std::int16_t ItemCount(int m) const { return Menu(m).cMMenuItemsCount; }

  // Appends a menu (its item array reset to the single element 0) with an empty group entry;
  // returns its index. Overflow (6) when the 16-bit count is full.
  std::int16_t AddMenu(tMenuInfo record);
  // Appends an item to menu m with a zero group record; returns its index.
  std::int16_t AddItem(int m, tMenuItemInfo record);

  // Removes menu p (1..Count), moving later menus and their group entries down by one.
  void RemoveMenu(int p);
  // Removes item p of menu m, moving later items and their group records down by one.
  void RemoveItem(int m, int p);
  // Erases every menu, item and group record; the count becomes 0.
  void Clear();
  // Erases the items and group records of menu m, leaving the menu itself.
  void ClearItems(int m);

  // Position of the first menu (1..Count) whose key equals sKey exactly, or 0.
  int FindMenu(std::string_view sKey) const;
  // Position of the first item of menu m whose key equals sKey exactly, or 0.
  int FindItem(int m, std::string_view sKey) const;

  // After item i of menu m was checked: unchecks every other grouped item, in any menu, that
  // shares its GroupID. Does nothing when the item is unchecked or not grouped.
  void ApplyGroupRule(int m, int i);

 private:
  std::vector<tMenuInfo> m_Menus;
  std::int16_t m_Count = 0;
  std::vector<std::vector<tMenuItemGroup>> m_Groups;
  // Keys are set when a record is added and never change: the indexes follow adds and removals.
  KeyIndex m_MenuKeys;
  std::vector<KeyIndex> m_ItemKeys;  // parallel to m_Menus
  void RebuildMenuKeys();
  void RebuildItemKeys(int m);
};
