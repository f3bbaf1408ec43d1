#include "core/automation/cDropDowns.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cDropDowns";
constexpr std::string_view kKeyPrefix = "D";
}  // namespace

std::shared_ptr<cDropDown> cDropDowns::Add(const DropDownAddArgs& args) {
  ControlDropDowns& dropDowns = DropDownData(Control(kSource));
  std::string sKey;
  if (args.Key.IsMissing()) {
    sKey = NextKey(kKeyPrefix, dropDowns.Count());
  } else {
    sKey = CStr(args.Key);
    if (dropDowns.Table().FindDropDown(sKey) != 0) RaiseError(ErrorCode::KeyInUse, kSource);
    if (IsNumeric(args.Key)) RaiseError(ErrorCode::TypeMismatch, kSource);
  }
  const std::int16_t n = dropDowns.AddDropDown(std::move(sKey), args.iRows, args.iColumns, args.oImageList);
  if (n == 0) return nullptr;
  return std::make_shared<cDropDown>(m_hWndMB, n);
}

// Clearing removes every drop-down, as the collections of menus and bands do.
void cDropDowns::Clear() { DropDownData(Control(kSource)).Clear(); }

std::int32_t cDropDowns::Count() const { return DropDownData(Control(kSource)).Count(); }

std::shared_ptr<cDropDown> cDropDowns::MakeItem(int position) const {
  return std::make_shared<cDropDown>(m_hWndMB, position);
}

void cDropDowns::RemoveAt(int position) { DropDownData(Control(kSource)).Table().RemoveDropDown(position); }

int cDropDowns::Resolve(const Variant& Index) const {
  const DropDownTable& table = DropDownData(Control(kSource)).Table();
  return ResolveIndex(Index, table.Count(), [&table](const std::string& sKey) { return table.FindDropDown(sKey); });
}
