// A menu-bar control on a run-time form, painted the way a host drives it and put into its
// hovered and pressed looks by the mouse and keyboard, with helpers that read back its face
// and measure text in its menu font.
#pragma once
#include <string>
#include <vector>

#include "support/BarOnForm.h"
#include "support/ImageLists.h"
#include "support/Pixels.h"
#include "support/TextExtent.h"
#include "win32/commctrl.h"

namespace menubar_test {

inline constexpr int kBarWidthPx = 320;
inline constexpr int kInitialHeightPx = 60;

inline constexpr auto& SameRows = mirel_test::SameSequence;

inline std::string Hex(COLORREF colour) { return mirel_test::ColourText(colour); }

class MenuBarPaintTest : public mirel_test::BarOnForm {
 protected:
  // A new run-time instance `widthPx` wide on a new form; redraw stays off until EndUpdate.
  MirelMenuBar20& AddBar(int widthPx = kBarWidthPx, int dpi = win32::kDefaultDpi) {
    const float twips = 1440.0F / static_cast<float>(dpi);
    return MakeBar({.desktop = win32::DesktopOptions{.dpi = dpi},
                    .barWidthTwips = static_cast<float>(widthPx) * twips,
                    .barHeightTwips = kInitialHeightPx * twips,
                    .endUpdate = false});
  }

  // A menu whose key and caption are `caption`.
  std::shared_ptr<cMenu> AddMenu(const std::string& caption, bool enabled = true) {
    return BarOnForm::AddMenu(caption, caption, enabled);
  }

  // The extent of `text` in the control's menu font, measured on a DC of our own.
  SIZE TextSize(const std::string& text) const { return mirel_test::TextExtent(*m_Bar->DefaultMenuFont(), text); }

  // A header image list of solid square images in these colours.
  HIMAGELIST AttachIcons(const std::vector<COLORREF>& colours, int size = 8) {
    HIMAGELIST icons = mirel_test::SolidImageList(size, colours);
    ctsMBImageListTypeConstants slot = imlMenuHeader;
    Variant handle = Variant::Long(HandleToLong(icons));  // a handle is a 32-bit integer
    m_Bar->SetImageList(slot, handle);
    return icons;
  }
  // A menu with header icon 1 (and 2 when disabled).
  void AddIconMenu(const std::string& caption, bool enabled = true) {
    m_Bar->Menus()->Add({.Key = caption, .Caption = caption, .Enabled = enabled, .Icon = 1, .IconDisabled = 2});
  }

  COLORREF Pixel(int x, int y) { return Desktop().WindowPixel(m_Bar->hWnd(), x, y); }

  // Pixels of `colour` in a rectangle of the control's face.
  int CountPixels(const RECT& area, COLORREF colour) { return CountWindowPixels(m_Bar->hWnd(), area, colour); }

  // The mouse rests on caption iMenu: it paints hovered.
  void Hover(int iMenu) {
    const POINT at = CaptionPoint(iMenu);
    Desktop().MouseMove(at.x, at.y);
  }
  // The mouse leaves the control and its leave poll notices.
  void Leave() {
    Desktop().MouseMove(Desktop().ScreenWidth() - 1, Desktop().ScreenHeight() - 1);
    Desktop().AdvanceTime(kLeavePoll);
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

 private:
  static constexpr DWORD kLeavePoll = 20;
};

}  // namespace menubar_test
