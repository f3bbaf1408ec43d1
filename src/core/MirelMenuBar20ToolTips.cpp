// The control's one tool-tip window, shown and removed on behalf of every tip-showing window.
#include "core/MirelMenuBar20.h"

bool MirelMenuBar20::ShowToolTip(const std::string& sText, LONG x, LONG y, bool bKeepZOrder) {
  if (sText.empty()) return false;
  HideToolTip();
  if (x == kMousePosition || y == kMousePosition) {
    POINT pointer{};
    GetCursorPos(&pointer);
    x = pointer.x;
    y = pointer.y;
  }
  tToolTipLook look;
  look.lBackColor = m_lToolTipBackColor;
  look.lForeColor = m_lToolTipForeColor;
  look.lBorderColor = m_lToolTipBorderColor;
  look.oFont = m_oToolTipFont;
  look.bShadows = m_bToolTipShadows != VARIANT_FALSE;
  look.bWordWrap = m_bToolTipWordWrap != VARIANT_FALSE;
  look.lMaxWidth = m_lToolTipMaxWidth;
  m_ToolTip = std::make_unique<frmToolTip>(m_hWndMB, look, sText);
  m_ToolTip->Show(x, y, bKeepZOrder);
  return true;
}

void MirelMenuBar20::HideToolTip() { m_ToolTip.reset(); }
