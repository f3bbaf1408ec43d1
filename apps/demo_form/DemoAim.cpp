#include "demo_form/DemoAim.h"

#include "core/MirelMenuBar20Internals.h"
#include "menu/frmMenu.h"

namespace {
constexpr int kRowTextInset = 40;  // pixels from the window's left edge: past the icon column
constexpr int kArrowInset = 4;     // pixels left of a drop-down tool's right edge: on its arrow
}  // namespace

POINT CaptionPoint(MirelMenuBar20& bar, int iMenu) {
  RECT rcBar{};
  GetWindowRect(bar.hWnd(), &rcBar);
  const tMenuInfo& menu = Inside(bar).MenuData().Menu(iMenu);
  return POINT{rcBar.left + menu.cMCollX + menu.cMWidth / 2, rcBar.top + Inside(bar).BarHeight() / 2};
}

POINT RowPoint(HWND hWndMenu, int i) {
  const frmMenu* form = frmMenu::FromWindow(hWndMenu);
  if (form == nullptr) return POINT{-1, -1};
  RECT rcMenu{};
  GetWindowRect(hWndMenu, &rcMenu);
  const tMenuRow& row = form->Layout().Row(i);
  return POINT{rcMenu.left + kRowTextInset, rcMenu.top + (row.lBandTop + row.lBandBottom) / 2};
}

POINT ToolArrowPoint(MirelMenuBar20& bar, std::string_view sBandKey, std::string_view sToolKey) {
  const ControlBands& bands = Inside(bar).BandData();
  const int p = bands.Table().FindBand(sBandKey);
  const int t = p == 0 ? 0 : bands.Table().FindTool(p, sToolKey);
  if (t == 0) return POINT{-1, -1};
  const MirelReBar& surface = bands.Surface(p);
  const tToolItemInfo& tool = surface.Tool(t);
  POINT pt{tool.cTILeft + tool.cTIWidth - kArrowInset, surface.Height() / 2};
  ClientToScreen(surface.hWnd(), &pt);
  return pt;
}
