// A look inside one control for the tests and the picture tools: its menu table and menu
// windows, the bar's layout, tracking state and timers, the tool-tip parts. Hosts use the
// public members of MirelMenuBar20 only.
#pragma once
#include <string>
#include <vector>

#include "core/MirelMenuBar20.h"

class MirelMenuBar20Internals {
 public:
  using tMenuWindowRequest = MirelMenuBar20::tMenuWindowRequest;
  static constexpr LONG kMousePosition = MirelMenuBar20::kMousePosition;

  explicit MirelMenuBar20Internals(MirelMenuBar20& bar) : m_Bar(bar) {}

  static MirelMenuBar20* FromWindow(HWND hWnd) { return MirelMenuBar20::FromWindow(hWnd); }
  // The process-wide NT-platform flag (computed at every Initialize).
  static bool IsNT() { return UseWideText(); }

  MenuTable& MenuData() const { return m_Bar.m_Menus; }
  ControlBands& BandData() const { return m_Bar.m_Bands; }
  ControlDropDowns& DropDownData() const { return m_Bar.m_DropDowns; }
  // The off-screen picture of the control's face (null before initialisation).
  const cMemDC* Face() const { return m_Bar.m_Face.get(); }
  BarTracker& Tracker() const { return m_Bar.m_Tracker; }
  // The open menu windows, in the order they opened.
  std::vector<HWND> OpenMenuWindows() const { return m_Bar.m_Popups.Windows(); }
  PopupStack& Popups() const { return m_Bar.m_Popups; }
  HWND ShowMenuWindow(const tMenuWindowRequest& request) const { return m_Bar.ShowMenuWindow(request); }

  bool RedrawEnabled() const { return m_Bar.m_bRedrawEnabled; }
  bool Initialised() const { return m_Bar.m_bInitialised; }
  HWND HostTopWindow() const { return m_Bar.m_hWndTop; }
  float TwipsPerPixelX() const { return m_Bar.m_sngTwipsPerPixelX; }
  float TwipsPerPixelY() const { return m_Bar.m_sngTwipsPerPixelY; }
  std::int16_t BandSize(ctsBandSizeConstants size) const { return m_Bar.BandSize(size); }
  const tImageListSlot& ImageListSlot(ctsMBImageListTypeConstants slot) const { return m_Bar.ImageListSlot(slot); }
  OLE_COLOR BorderColor() const { return m_Bar.m_lBorderColor; }
  OLE_COLOR DefaultCaptionForeColor() const { return m_Bar.m_lDefaultCaptionForeColor; }
  OLE_COLOR DefaultMenuForeColor() const { return m_Bar.m_lDefaultMenuForeColor; }
  // Internal spacing values (visible value + offset), as the layout code reads them.
  std::int16_t MenuHeaderSpacingInternal() const { return m_Bar.m_iMenuHeaderSpacing; }
  std::int16_t MenuItemSpacingInternal() const { return m_Bar.m_iMenuItemSpacing; }
  std::int16_t ToolSpacingInternal() const { return m_Bar.m_iToolSpacing; }

  // The bar's face: its layout and how many times the face reached the window.
  int BarHeight() const { return m_Bar.BarHeight(); }
  int BarCaptionsEnd() const { return m_Bar.BarCaptionsEnd(); }
  int BarMenuAt(int x, int y) const { return m_Bar.BarMenuAt(x, y); }
  long PaintCount() const { return m_Bar.m_lPaintCount; }

  // The one tool-tip window and the bar's own tip timing.
  bool ShowToolTip(const std::string& sText, LONG x, LONG y, bool bKeepZOrder) const {
    return m_Bar.ShowToolTip(sText, x, y, bKeepZOrder);
  }
  void HideToolTip() const { m_Bar.HideToolTip(); }
  HWND ToolTipWindow() const { return m_Bar.m_ToolTip ? m_Bar.m_ToolTip->hWnd() : nullptr; }
  ToolTipTimer& ToolTips() const { return m_Bar.m_ToolTips; }
  Timer& ToolTipPreTimer() const { return m_Bar.m_ToolTipPreTimer; }
  Timer& ToolTipPostTimer() const { return m_Bar.m_ToolTipPostTimer; }
  Timer& TipDisplayTimer() const { return m_Bar.m_TipDisplayTimer; }

 private:
  MirelMenuBar20& m_Bar;
};

inline MirelMenuBar20Internals Inside(MirelMenuBar20& bar) { return MirelMenuBar20Internals(bar); }
