// The collection of the control's menus (the control's Menus property): a proxy over the
// control's menu table.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/automation/MenuProxy.h"
#include "core/automation/cMenu.h"
#include "menu/MenuRecords.h"

// Arguments of cMenus::Add, named as the automation interface names them. An omitted Key
// (std::nullopt) differs from a given empty one; omitted Enabled means False.
struct MenuAddArgs {
  std::optional<std::string> Key{};
  std::string Caption{};
  std::int16_t Style = tsPrimaryMenu;
  bool Enabled = false;
  std::int16_t Icon = kNoIcon;
  std::int16_t IconDisabled = kNoIcon;
  std::int16_t IconHover = kNoIcon;
  Variant ItemData = Variant::Missing();
  std::string Tag{};
  std::string ToolTipText{};
  bool DisplayInfrequents = false;
};

class cMenus : public MenuProxy {
 public:
  explicit cMenus(HWND hWndMB) : MenuProxy(hWndMB) {}

  std::string TypeName() const override { return "cMenus"; }

  std::shared_ptr<cMenu> Add(const MenuAddArgs& args);
  void Clear();
  std::int32_t Count() const;
  bool Exists(const Variant& Index) const;
  // Nothing (null) for an unknown key.
  std::shared_ptr<cMenu> Item(const Variant& Index) const;
  std::shared_ptr<cMenu> operator()(const Variant& Index) const { return Item(Index); }
  void Remove(const Variant& Index);

 private:
  static int Resolve(MirelMenuBar20& control, const Variant& Index);
};
