// A host form with a menu bar above a known backdrop, and the helpers that open its menu
// windows the way the bar does.
#pragma once
#include <memory>
#include <string>

#include "container/Form.h"
#include "core/MirelMenuBar20.h"
#include "menu/cMenu.h"
#include "menu/frmMenu.h"
#include "container/Screen.h"
#include "support/HeadlessTest.h"

namespace menu_window_test {

inline constexpr int kFormLeft = 100;
inline constexpr int kFormTop = 80;
inline constexpr int kFormWidth = 500;
inline constexpr int kFormHeight = 40;
inline constexpr float kBarHeightTwips = 600;


class MenuWindowTest : public mirel_test::HeadlessTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts again at another resolution, with the backdrop and the form.
  void Restart(int dpi, int formLeft = kFormLeft, int formTop = kFormTop);
  std::shared_ptr<cMenu> AddMenu(const std::string& sKey);
  // A File menu: New (hot key), a separator, a checked item, a checked disabled item.
  void AddFileMenu();
  // Drops menu iMenu below its caption, as the bar does.
  HWND Drop(int iMenu);
  frmMenu& Menu(HWND hWnd);

  std::unique_ptr<Form> m_Form;
  std::shared_ptr<MirelMenuBar20> m_Bar;

 private:
  void Build(int formLeft, int formTop);
};

// The backdrop's colour at screen pixel (x, y): a gradient, so every shadow pixel darkens a
// different colour.
inline COLORREF BackdropColor(int x, int y) { return RGB((x * 3) % 256, (y * 5) % 256, (x + y) % 256); }

inline void MenuWindowTest::SetUp() {
  mirel_test::HeadlessTest::SetUp();
  Build(kFormLeft, kFormTop);
}

inline void MenuWindowTest::TearDown() {
  if (m_Bar) m_Bar->HideAllMenus();
  if (m_Form && m_Form->Loaded()) m_Form->Unload();
  m_Bar.reset();
  m_Form.reset();
}

inline void MenuWindowTest::Restart(int dpi, int formLeft, int formTop) {
  TearDown();
  win32::DesktopOptions options;
  options.dpi = dpi;
  ResetDesktop(options);
  Build(formLeft, formTop);
}

inline void MenuWindowTest::Build(int formLeft, int formTop) {
  const RECT screen{0, 0, Desktop().ScreenWidth(), Desktop().ScreenHeight()};
  HWND backdrop = mirel_test::CreateTestWindow("backdrop", screen);
  mirel_test::SetTestHandler(backdrop, [](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    for (int y = ps.rcPaint.top; y < ps.rcPaint.bottom; ++y)
      for (int x = ps.rcPaint.left; x < ps.rcPaint.right; ++x) SetPixelV(hdc, x, y, BackdropColor(x, y));
    EndPaint(hwnd, &ps);
    return 0;
  });
  UpdateWindow(backdrop);
  FormOptions options;
  options.left = formLeft;
  options.top = formTop;
  options.width = kFormWidth;
  options.height = kFormHeight;
  m_Form = std::make_unique<Form>(options);
  m_Form->Show();
  m_Bar = m_Form->AddControl<MirelMenuBar20>(
      {"MirelMenuBar201", 0, 0, static_cast<float>(kFormWidth) * TwipsPerPixelX(), kBarHeightTwips});
  m_Bar->EndUpdate();
  Desktop().DoEvents();
}

inline std::shared_ptr<cMenu> MenuWindowTest::AddMenu(const std::string& sKey) {
  auto menu = m_Bar->Menus()->Add({.Key = sKey, .Caption = "&" + sKey, .Enabled = true});
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
  const tMenuInfo& menu = m_Bar->MenuData().Menu(iMenu);
  MirelMenuBar20::tMenuWindowRequest request;
  request.iMenu = iMenu;
  request.X = static_cast<float>(menu.cMCollX - 2 + rcBar.left) * TwipsPerPixelX();
  request.Y = static_cast<float>(m_Bar->BarHeight() + rcBar.top) * TwipsPerPixelY();
  request.lBarHeight = m_Bar->BarHeight();
  HWND hWnd = m_Bar->ShowMenuWindow(request);
  Desktop().DoEvents();
  return hWnd;
}

inline frmMenu& MenuWindowTest::Menu(HWND hWnd) { return *frmMenu::FromWindow(hWnd); }

}  // namespace menu_window_test
