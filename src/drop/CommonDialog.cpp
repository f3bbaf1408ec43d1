#include "drop/CommonDialog.h"

OLE_COLOR CommonDialog::CustomColors(int i) const {
  return i >= 0 && i < kCustomColors ? m_Custom[static_cast<std::size_t>(i)] : 0;
}

void CommonDialog::SetCustomColors(int i, OLE_COLOR lColor) {
  if (i >= 0 && i < kCustomColors) m_Custom[static_cast<std::size_t>(i)] = lColor;
}

void CommonDialog::ShowColor(OLE_COLOR lInitial) {
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = GetActiveWindow();
  cc.rgbResult = lInitial;
  cc.lpCustColors = m_Custom.data();
  cc.Flags = static_cast<DWORD>(m_lFlags) | CC_RGBINIT;
  if (ChooseColorA(&cc) != FALSE) {
    m_bCancelled = false;
    m_lColor = cc.rgbResult;
  } else {
    m_bCancelled = true;
  }
}
