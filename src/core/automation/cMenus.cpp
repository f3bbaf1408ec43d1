#include "core/automation/cMenus.h"

#include "common/ErrorRaiser.h"
#include "container/AutomationError.h"
#include "core/MirelMenuBar20.h"

namespace {

constexpr std::string_view kSource = "cMenus";
constexpr std::string_view kKeyPrefix = "M";

}  // namespace

std::shared_ptr<cMenu> cMenus::Add(const MenuAddArgs& args) {
  MirelMenuBar20& control = Control(kSource);
  MenuTable& table = MenuData(control);
  std::string sKey;
  if (!args.Key) {
    sKey = NextKey(kKeyPrefix, table.Count());
  } else {
    if (table.FindMenu(*args.Key) != 0) RaiseError(ErrorCode::KeyInUse, kSource);
    if (IsNumericString(*args.Key)) RaiseError(ErrorCode::TypeMismatch, kSource);
    sKey = *args.Key;
  }

  tMenuInfo record;
  record.cMCaption = args.Caption;
  record.cMDisplayInfrequents = ToVariantBool(args.DisplayInfrequents);
  record.cMEnabled = ToVariantBool(args.Style == tsSecondaryMenu || args.Enabled);
  record.cMIconIndex = args.Icon;
  record.cMIconDisabledIndex = IconOrDefault(args.IconDisabled, args.Icon);
  record.cMIconHoverIndex = IconOrDefault(args.IconHover, args.Icon);
  record.cMItemData = args.ItemData;
  record.cMKey = std::move(sKey);
  record.cMStyle = args.Style;
  record.cMTag = args.Tag;
  record.cMToolTipText = args.ToolTipText;
  record.cMVisible = VARIANT_TRUE;
  const std::int16_t index = table.AddMenu(std::move(record));
  return std::make_shared<cMenu>(m_hWndMB, index);
}

void cMenus::Clear() { MenuData(Control(kSource)).Clear(); }

std::int32_t cMenus::Count() const { return MenuData(Control(kSource)).Count(); }

bool cMenus::Exists(const Variant& Index) const {
  MirelMenuBar20& control = Control(kSource);
  try {
    return Resolve(control, Index) > 0;
  } catch (const AutomationError&) {
    return false;
  }
}

std::shared_ptr<cMenu> cMenus::Item(const Variant& Index) const {
  const int position = Resolve(Control(kSource), Index);
  if (position == 0) return nullptr;
  return std::make_shared<cMenu>(m_hWndMB, position);
}

void cMenus::Remove(const Variant& Index) {
  MirelMenuBar20& control = Control(kSource);
  const int position = Resolve(control, Index);
  if (position == 0) return;
  MenuData(control).RemoveMenu(position);
}

int cMenus::Resolve(MirelMenuBar20& control, const Variant& Index) {
  const MenuTable& table = MenuData(control);
  return ResolveIndex(Index, table.Count(), [&table](const std::string& sKey) { return table.FindMenu(sKey); });
}
