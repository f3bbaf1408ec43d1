// The items of one menu (cMenu.MenuItems): a proxy for the item array of menu m_iMenu.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/automation/MenuProxy.h"
#include "core/automation/cMenuItem.h"
#include "menu/MenuRecords.h"

// Arguments of cMenuItems::Add, named as the automation interface names them. An empty Key
// means "give the next MI key".
struct MenuItemAddArgs {
  std::int16_t Style = tsMenuCaption;
  std::string Caption{};
  bool Checked = false;
  bool Enabled = true;
  std::int16_t Icon = kNoIcon;
  std::int16_t IconDisabled = kNoIcon;
  std::int16_t IconHover = kNoIcon;
  bool Infrequent = false;
  std::string SubMenuName{};
  std::string Key{};
  std::int16_t Indent = 0;
  Variant ItemData = Variant::Missing();
  std::string Tag{};
  std::string ToolTipText{};
  std::string HotKey{};
};

class cMenuItems : public MenuProxy {
 public:
  cMenuItems(HWND hWndMB, int iMenu) : MenuProxy(hWndMB), m_iMenu(iMenu) {}

  std::string TypeName() const override { return "cMenuItems"; }

  std::shared_ptr<cMenuItem> Add(const MenuItemAddArgs& args);
  void Clear();
  std::int32_t Count() const;
  // Nothing (null) for an unknown key.
  std::shared_ptr<cMenuItem> Item(const Variant& Index) const;
  std::shared_ptr<cMenuItem> operator()(const Variant& Index) const { return Item(Index); }
  void Remove(const Variant& Index);

 private:
  int Resolve(const MenuTable& table, const Variant& Index) const;

  int m_iMenu;
};
