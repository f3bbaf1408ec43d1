#include "core/automation/cDropDown.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cDropDown";
constexpr std::string_view kLetSource = "MirelMenuBar";
// The grid needs at least one row and one column.
constexpr std::int16_t kMinRowsOrColumns = 1;
}  // namespace

ControlDropDowns& cDropDown::DropDowns() const {
  ControlDropDowns& dropDowns = DropDownData(Control(kSource));
  CheckPosition(m_iDropDown, dropDowns.Count(), kSource);
  return dropDowns;
}

const tDropDownItemInfo& cDropDown::Record() const { return DropDowns().Table().DropDown(m_iDropDown); }

std::int16_t cDropDown::Columns() const { return Record().cDIColumns; }
void cDropDown::Columns(std::int16_t iColumns) {
  ControlDropDowns& dropDowns = DropDowns();
  if (iColumns < kMinRowsOrColumns) RaiseError(ErrorCode::InvalidColumns, kLetSource);
  dropDowns.SetColumns(m_iDropDown, iColumns);
}

std::int16_t cDropDown::Rows() const { return Record().cDIRows; }
void cDropDown::Rows(std::int16_t iRows) {
  ControlDropDowns& dropDowns = DropDowns();
  if (iRows < kMinRowsOrColumns) RaiseError(ErrorCode::InvalidRows, kLetSource);
  dropDowns.SetRows(m_iDropDown, iRows);
}

std::string cDropDown::Key() const { return Record().cDIKey; }

std::shared_ptr<cDropTools> cDropDown::Tools() const {
  DropDowns();
  return std::make_shared<cDropTools>(m_hWndMB, m_iDropDown);
}

std::int16_t cDropDown::Index() const {
  DropDowns();
  return static_cast<std::int16_t>(m_iDropDown);
}
