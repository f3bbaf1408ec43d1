// The control's menu table: the 1-based array of tMenuInfo records, the 16-bit menu count and
// the group side table (one tMenuItemGroup array per menu, parallel to its items). Arrays keep
// element 0 unused, as the records' readers expect; reading beyond an array raises the
// runtime's subscript error (9), as an array access of the automation runtime does.
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "menu/KeyIndex.h"
#include "menu/MenuRecords.h"

// A change of the table's shape, reported once made, so that whoever holds positions into the
// table (the bar's indexes, open menu windows, an item being chosen) can follow it.
struct tMenuTableChange {
  enum class eKind { MenuAdded, MenuRemoved, MenusCleared, ItemAdded, ItemRemoved, ItemsCleared };
  eKind Kind = eKind::MenuAdded;
  int iMenu = 0;  // the menu concerned (removed: its position before)
  int iItem = 0;  // the item concerned (removed: its position before)

  bool ChangesMenus() const { return Kind == eKind::MenuRemoved || Kind == eKind::MenusCleared || Kind == eKind::MenuAdded; }
  // Where menu m lies after the change; 0 when it is gone.
  int MenuAfter(int m) const;
  // Where item i of menu m (positions before the change) lies in that menu after it; 0 when gone.
  int ItemAfter(int m, int i) const;
};

class MenuTable {
 public:
  // A menu position (and item position, 0 for none) held across code that may change the
  // table, such as a host's event handler: the table moves it with every change and sets it
  // to 0 when its menu or item goes.
  class Watch {
   public:
    Watch(MenuTable& table, int iMenu, int iItem = 0);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;
    int Menu() const { return m_iMenu; }
    int Item() const { return m_iItem; }

   private:
    friend class MenuTable;
    MenuTable& m_Table;
    int m_iMenu;
    int m_iItem;
  };

  // Called after every change of the table's shape.
  void SetChangeListener(std::function<void(const tMenuTableChange&)> listener) { m_OnChange = std::move(listener); }

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

  std::function<void(const tMenuTableChange&)> m_OnChange;
  std::vector<Watch*> m_Watches;

  void Notify(tMenuTableChange::eKind eKind, int iMenu = 0, int iItem = 0) const;
};
