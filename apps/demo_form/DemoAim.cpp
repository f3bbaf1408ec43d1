#include "demo_form/DemoAim.h"

#include "core/MirelMenuBar20Internals.h"
#include "menu/frmMenu.h"

namespace {
constexpr int kRowTextInset = 40;  // pixels from the window's left edge: past the icon column
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
