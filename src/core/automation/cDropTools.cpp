#include "core/automation/cDropTools.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cDropTools";
constexpr std::string_view kKeyPrefix = "DT";
}  // namespace

DropDownTable& cDropTools::Table() const { return DropDownData(Control(kSource)).Table(); }

std::shared_ptr<cDropTool> cDropTools::Add(const DropToolAddArgs& args) {
  DropDownTable& table = Table();
  std::string sKey;
  if (args.Key.empty()) {
    sKey = NextKey(kKeyPrefix, table.DropDown(m_iDropDown).cDIToolCount);
  } else {
    if (table.FindTool(m_iDropDown, args.Key) != 0) RaiseError(ErrorCode::KeyInUse, kSource);
    if (IsNumericString(args.Key)) RaiseError(ErrorCode::TypeMismatch, kSource);
    sKey = args.Key;
  }
  tDropToolItemInfo record;
  record.cDTIEnabled = ToVariantBool(args.Enabled);
  record.cDTIIconIndex = args.Icon;
  record.cDTIIconDisabledIndex = args.IconDisabled;
  record.cDTIIconHoverIndex = args.IconHover;
  record.cDTIKey = std::move(sKey);
  record.cDTITag = args.Tag;
  record.cDTIToolTipText = args.ToolTipText;
  const std::int16_t t = table.AddTool(m_iDropDown, std::move(record));
  return std::make_shared<cDropTool>(m_hWndMB, m_iDropDown, t);
}

void cDropTools::Clear() { Table().ClearTools(m_iDropDown); }

std::int32_t cDropTools::Count() const { return Table().DropDown(m_iDropDown).cDIToolCount; }

std::shared_ptr<cDropTool> cDropTools::MakeItem(int position) const {
  return std::make_shared<cDropTool>(m_hWndMB, m_iDropDown, position);
}

void cDropTools::RemoveAt(int position) { Table().RemoveTool(m_iDropDown, position); }

int cDropTools::Resolve(const Variant& Index) const {
  const DropDownTable& table = Table();
  const int n = m_iDropDown;
  return ResolveIndex(Index, table.DropDown(n).cDIToolCount,
                      [&table, n](const std::string& sKey) { return table.FindTool(n, sKey); });
}
