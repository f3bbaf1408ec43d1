// A host form with a menu bar above a known backdrop, and the helpers that open its menu
// windows the way the bar does.
#pragma once
#include <memory>
#include <string>

#include "container/Screen.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenu.h"
#include "menu/frmMenu.h"
#include "support/BarOnForm.h"

namespace menu_window_test {

inline constexpr int kFormLeft = 100;
inline constexpr int kFormTop = 80;
inline constexpr int kFormWidth = 500;
inline constexpr int kFormHeight = 40;
inline constexpr float kBarHeightTwips = 600;


class MenuWindowTest : public mirel_test::BarOnForm {
 protected:
  void SetUp() override { Restart(win32::kDefaultDpi); }

  // Starts again at another resolution, with the backdrop and the form.
  void Restart(int dpi, int formLeft = kFormLeft, int formTop = kFormTop) {
    FormOptions form = mirel_test::FormAt(formLeft, formTop);
    form.width = kFormWidth;
    form.height = kFormHeight;
    MakeBar({.desktop = win32::DesktopOptions{.dpi = dpi},
             .form = form,
             .barWidthTwips = static_cast<float>(kFormWidth) * (1440.0F / static_cast<float>(dpi)),
             .barHeightTwips = kBarHeightTwips,
             .backdrop = true});
  }
  std::shared_ptr<cMenu> AddMenu(const std::string& sKey);
  // A File menu: New (hot key), a separator, a checked item, a checked disabled item.
  void AddFileMenu();
  // Drops menu iMenu below its caption, as the bar does.
  HWND Drop(int iMenu);
  frmMenu& Menu(HWND hWnd) { return *frmMenu::FromWindow(hWnd); }
};

inline std::shared_ptr<cMenu> MenuWindowTest::AddMenu(const std::string& sKey) {
  auto menu = BarOnForm::AddMenu(sKey);
  m_Bar->EndUpdate();
  return menu;
}

inline void MenuWindowTest::AddFileMenu() {
  auto items = AddMenu("File")->MenuItems();
  items->Add({.Caption = "&New", .Key = "New", .HotKey = "Ctrl+N"});
  items->Add({.Style = tsMenuSeperator, .Key = "Sep"});
  items->Add({.Caption = "&Wrap", .Checked = true, .Key = "Wrap"});
  items->Add({.Caption = "&Locked", .Checked = true, .Enabled = false, .Key = "Locked"});
}

inline HWND MenuWindowTest::Drop(int iMenu) {
  RECT rcBar{};
  GetWindowRect(m_Bar->hWnd(), &rcBar);
  const tMenuInfo& menu = Inside(*m_Bar).MenuData().Menu(iMenu);
  MirelMenuBar20Internals::tMenuWindowRequest request;
  request.iMenu = iMenu;
  request.X = static_cast<float>(menu.cMCollX - 2 + rcBar.left) * TwipsPerPixelX();
  request.Y = static_cast<float>(Inside(*m_Bar).BarHeight() + rcBar.top) * TwipsPerPixelY();
  request.lBarHeight = Inside(*m_Bar).BarHeight();
  HWND hWnd = Inside(*m_Bar).ShowMenuWindow(request);
  Desktop().DoEvents();
  return hWnd;
}

}  // namespace menu_window_test
