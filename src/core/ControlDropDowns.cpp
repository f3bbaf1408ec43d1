#include "core/ControlDropDowns.h"

#include "common/ErrorRaiser.h"
#include "container/AutomationError.h"

namespace {
constexpr int kFirstNumber = 1;
constexpr std::string_view kLetErrorSource = "MirelMenuBar";
}  // namespace

std::int16_t ControlDropDowns::AddDropDown(std::string sKey, std::int16_t iRows, std::int16_t iColumns,
                                           const Variant& oImageList) {
  tImageListSlot& slot = m_Table.NextImageList();
  try {
    AttachImageList(slot, oImageList, std::string(kImageListSourceAddDrop).c_str());
  } catch (const AutomationError&) {
    return 0;  // a refused list creates no drop-down
  }
  if (slot.hImageList == 0) return 0;

  tDropDownItemInfo record;
  record.cDIColumns = iColumns;
  record.cDIDirty = VARIANT_TRUE;
  record.cDIKey = std::move(sKey);
  record.cDIIndex = static_cast<std::int16_t>(m_Table.Count() + 1);
  record.cDIIconSizeX = slot.iImageWidth;
  record.cDIIconSizeY = slot.iImageHeight;
  record.cDIRows = iRows;
  return m_Table.AddDropDown(std::move(record));
}

tDropDownItemInfo ControlDropDowns::Record(int n) const {
  if (n < kFirstNumber || n > m_Table.Count()) return {};
  return m_Table.DropDown(n);
}

tDropDownItemInfo ControlDropDowns::Record(std::string_view sKey) const { return Record(m_Table.FindDropDown(sKey)); }

tDropDownItemInfo& ControlDropDowns::RecordForLet(int n) {
  if (n < kFirstNumber || n > m_Table.Count()) RaiseError(ErrorCode::HeaderMissing, kLetErrorSource);
  return m_Table.DropDown(n);
}

void ControlDropDowns::SetRows(int n, std::int16_t iRows) { RecordForLet(n).cDIRows = iRows; }

void ControlDropDowns::SetColumns(int n, std::int16_t iColumns) { RecordForLet(n).cDIColumns = iColumns; }
