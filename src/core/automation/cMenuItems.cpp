#include "core/automation/cMenuItems.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {

constexpr std::string_view kSource = "cMenuItems";
constexpr std::string_view kKeyPrefix = "MI";

}  // namespace

std::shared_ptr<cMenuItem> cMenuItems::Add(const MenuItemAddArgs& args) {
  MirelMenuBar20& control = Control(kSource);
  MenuTable& table = MenuData(control);
  const std::int16_t count = table.ItemCount(m_iMenu);
  std::string sKey;
  if (args.Key.empty()) {
    sKey = NextKey(kKeyPrefix, count);
  } else {
    if (table.FindItem(m_iMenu, args.Key) != 0) RaiseError(ErrorCode::KeyInUse, kSource);
    if (IsNumericString(args.Key)) RaiseError(ErrorCode::TypeMismatch, kSource);
    sKey = args.Key;
  }

  tMenuItemInfo record;
  record.cMICaption = args.Caption;
  record.cMIChecked = ToVariantBool(args.Checked);
  record.cMIEnabled = ToVariantBool(args.Enabled);
  record.cMIForeColor = control.DefaultMenuItemForeColor();
  record.cMIHotKey = args.HotKey;
  record.cMIIconIndex = args.Icon;
  record.cMIIconDisabledIndex = IconOrDefault(args.IconDisabled, args.Icon);
  record.cMIIconHoverIndex = IconOrDefault(args.IconHover, args.Icon);
  record.cMIIndent = args.Indent;
  record.cMIInfrequent = ToVariantBool(args.Infrequent);
  record.cMIItemData = args.ItemData;
  record.cMIKey = std::move(sKey);
  record.cMIStyle = args.Style;
  record.cMISubMenuName = args.SubMenuName;
  record.cMITag = args.Tag;
  record.cMIToolTipText = args.ToolTipText;
  record.cMIVisible = VARIANT_TRUE;
  return std::make_shared<cMenuItem>(m_hWndMB, m_iMenu, table.AddItem(m_iMenu, std::move(record)));
}

// Clearing the collection removes every item of this menu (and their group records) and keeps
// the menu itself, which is what a host emptying a menu before refilling it expects.
void cMenuItems::Clear() { MenuData(Control(kSource)).ClearItems(m_iMenu); }

std::int32_t cMenuItems::Count() const { return MenuData(Control(kSource)).ItemCount(m_iMenu); }

std::shared_ptr<cMenuItem> cMenuItems::Item(const Variant& Index) const {
  const int position = Resolve(MenuData(Control(kSource)), Index);
  if (position == 0) return nullptr;
  return std::make_shared<cMenuItem>(m_hWndMB, m_iMenu, position);
}

void cMenuItems::Remove(const Variant& Index) {
  MenuTable& table = MenuData(Control(kSource));
  const int position = Resolve(table, Index);
  if (position > 0) table.RemoveItem(m_iMenu, position);
}

int cMenuItems::Resolve(const MenuTable& table, const Variant& Index) const {
  return ResolveIndex(Index, table.ItemCount(m_iMenu),
                      [&table, this](const std::string& sKey) { return table.FindItem(m_iMenu, sKey); });
}
