// A menu-bar control on a run-time form, with what the menu tests look at: its face, hovered
// and pressed by mouse and keys, its fonts and icons, and menu windows dropped as the bar does.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "container/Screen.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenu.h"
#include "core/automation/cMenuItems.h"
#include "core/automation/cMenus.h"
#include "menu/frmMenu.h"
#include "support/BarOnForm.h"
#include "support/ImageLists.h"
#include "support/Pixels.h"
#include "support/TextExtent.h"
#include "win32/commctrl.h"

namespace menu_test {

using namespace mirel_test;

inline constexpr int kBarWidthPx = 320;
inline constexpr int kInitialHeightPx = 60;
inline constexpr int kFormLeft = 100;
inline constexpr int kFormTop = 80;
inline constexpr int kFormWidth = 500;
inline constexpr COLORREF kLime = RGB(0, 255, 0);

class MenuBarOnForm : public BarOnForm {
 protected:
  void SetUp() override {
    BarOnForm::SetUp();
    MakeBar({.barHeightTwips = 1200});
  }
  std::shared_ptr<cMenus> Menus() { return m_Bar->Menus(); }

  // A new bar `widthPx` wide on a new form; redraw stays off until EndUpdate.
  MirelMenuBar20& AddBar(int widthPx = kBarWidthPx, int dpi = win32::kDefaultDpi) {
    const float twips = 1440.0F / static_cast<float>(dpi);
    return MakeBar({.desktop = win32::DesktopOptions{.dpi = dpi},
                    .barWidthTwips = static_cast<float>(widthPx) * twips,
                    .barHeightTwips = kInitialHeightPx * twips,
                    .endUpdate = false});
  }
  // A bar as wide as its 500 x 40 form at (left, top), over the gradient backdrop.
  void BarOverBackdrop(int dpi = win32::kDefaultDpi, int left = kFormLeft, int top = kFormTop) {
    MakeBar({.desktop = win32::DesktopOptions{.dpi = dpi},
             .form = {.left = left, .top = top, .width = kFormWidth, .height = 40, .font = {}},
             .barWidthTwips = static_cast<float>(kFormWidth) * (1440.0F / static_cast<float>(dpi)),
             .barHeightTwips = 600,
             .backdrop = true});
  }
  // A File menu: New (hot key), a separator, a checked item, a checked disabled item.
  void AddFileMenu() {
    auto items = AddMenu("File")->MenuItems();
    items->Add({.Caption = "&New", .Key = "New", .HotKey = "Ctrl+N"});
    items->Add({.Style = tsMenuSeperator, .Key = "Sep"});
    items->Add({.Caption = "&Wrap", .Checked = true, .Key = "Wrap"});
    items->Add({.Caption = "&Locked", .Checked = true, .Enabled = false, .Key = "Locked"});
  }
  void AddSecondaryMenu(const std::string& key) {
    Menus()->Add({.Key = key, .Caption = key, .Style = tsSecondaryMenu, .Enabled = true});
  }
  // Drops menu iMenu below its caption as the bar does, without pressing the caption, once any
  // open menu is closed; given an open menu window, as its sub-menu over that window's right edge.
  HWND Drop(int iMenu, HWND parent = nullptr) {
    if (parent == nullptr && !Inside(*m_Bar).OpenMenuWindows().empty()) m_Bar->HideAllMenus();
    m_Bar->EndUpdate();
    const RECT bar = BarRect();
    const int height = Inside(*m_Bar).BarHeight();
    const POINT at = parent ? POINT{WindowRect(parent).right - 4, WindowRect(parent).top}
                            : POINT{Record(iMenu).cMCollX - 2 + bar.left, height + bar.top};
    const float x = static_cast<float>(at.x) * TwipsPerPixelX(), y = static_cast<float>(at.y) * TwipsPerPixelY();
    HWND hWnd = Inside(*m_Bar).ShowMenuWindow(
        {.iMenu = iMenu, .X = x, .Y = y, .eKind = parent ? MenuWindowKind::SubMenu : MenuWindowKind::BarDrop,
         .hWndParentMenu = parent, .lBarHeight = parent ? 0 : height});
    Desktop().DoEvents();
    return hWnd;
  }
  frmMenu& Menu(HWND hWnd) { return *frmMenu::FromWindow(hWnd); }

  SIZE TextSize(const std::string& text) const { return TextExtent(*m_Bar->DefaultMenuFont(), text); }
  // An image list of solid square images in these colours, for the headers or another slot.
  HIMAGELIST AttachIcons(const std::vector<COLORREF>& colours, int size = 8,
                         ctsMBImageListTypeConstants slot = imlMenuHeader) {
    HIMAGELIST icons = SolidImageList(size, colours);
    Variant handle = Variant::Long(HandleToLong(icons));  // a handle is a 32-bit integer
    m_Bar->SetImageList(slot, handle);
    return icons;
  }
  // A menu with header icon 1 (and 2 when disabled).
  void AddIconMenu(const std::string& key, bool enabled = true) {
    Menus()->Add({.Key = key, .Caption = "&" + key, .Enabled = enabled, .Icon = 1, .IconDisabled = 2});
  }

  COLORREF Pixel(int x, int y) { return Desktop().WindowPixel(m_Bar->hWnd(), x, y); }
  COLORREF Pixel(HWND hWnd, int x, int y) { return Desktop().WindowPixel(hWnd, x, y); }
  int CountPixels(const RECT& area, COLORREF colour) { return CountWindowPixels(m_Bar->hWnd(), area, colour); }
  RECT CaptionBox(int iMenu) const {
    return RECT{Record(iMenu).cMCollX, 0, Record(iMenu).cMCollX + Record(iMenu).cMWidth, Inside(*m_Bar).BarHeight()};
  }

  // The mouse rests on caption iMenu, or leaves the control and its leave poll notices.
  void Hover(int iMenu) {
    const POINT at = CaptionPoint(iMenu);
    Desktop().MouseMove(at.x, at.y);
  }
  void Leave() {
    Desktop().MouseMove(Desktop().ScreenWidth() - 1, Desktop().ScreenHeight() - 1);
    Desktop().AdvanceTime(20);
  }
  // Menu iMenu opened by a click on its caption, or by Alt and its mnemonic letter.
  void Press(int iMenu) {
    Hover(iMenu);
    Desktop().Click();
  }
  void PressByKey(char mnemonic) {
    Desktop().KeyPress(VK_MENU);
    Desktop().KeyPress(mnemonic);
  }
};

}  // namespace menu_test
