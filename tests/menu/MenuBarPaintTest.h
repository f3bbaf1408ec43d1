// A menu-bar control on a run-time form, painted the way a host drives it, with helpers to
// read back its face, the layout written into its menu records and real text metrics of its
// menu font. Tables of expected values are compared as rows and printed whole on mismatch.
#pragma once
#include <gtest/gtest.h>

#include "support/MessageLog.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "container/Form.h"
#include "core/MirelMenuBar20.h"
#include "render/modFontConv.h"
#include "support/HeadlessTest.h"

namespace menubar_test {

inline constexpr int kBarWidthPx = 320;
inline constexpr int kInitialHeightPx = 60;

inline constexpr auto& SameRows = mirel_test::SameSequence;

inline std::string Hex(COLORREF colour) {
  std::ostringstream out;
  out << "RGB(" << (colour & 0xFF) << "," << ((colour >> 8) & 0xFF) << "," << ((colour >> 16) & 0xFF) << ")";
  return out.str();
}

class MenuBarPaintTest : public mirel_test::HeadlessTest {
 protected:
  void TearDown() override {
    if (m_Form) m_Form->Unload();
    m_Form.reset();
  }

  // A new run-time instance `widthPx` wide on a new form; redraw stays off until EndUpdate.
  MirelMenuBar20& AddBar(int widthPx = kBarWidthPx, int dpi = win32::kDefaultDpi) {
    win32::DesktopOptions options;
    options.dpi = dpi;
    ResetDesktop(options);
    m_Form = std::make_unique<Form>();
    m_Form->Show();
    const float twips = static_cast<float>(Desktop().TwipsPerPixel());
    m_Bar = m_Form->AddControl<MirelMenuBar20>(
        {"MirelMenuBar201", 0, 0, static_cast<float>(widthPx) * twips, kInitialHeightPx * twips});
    return *m_Bar;
  }

  std::shared_ptr<cMenu> AddMenu(const std::string& caption, bool enabled = true, std::int16_t style = tsPrimaryMenu) {
    MenuAddArgs args;
    args.Key = caption;
    args.Caption = caption;
    args.Enabled = enabled;
    args.Style = style;
    return m_Bar->Menus()->Add(args);
  }

  const tMenuInfo& Record(int iMenu) const { return m_Bar->MenuData().Menu(iMenu); }

  // The extent of `text` in the control's menu font, measured on a DC of our own.
  SIZE TextSize(const std::string& text) const {
    HDC hdc = CreateCompatibleDC(nullptr);
    HFONT font = FontFromStdFont(*m_Bar->DefaultMenuFont());
    HGDIOBJ old = SelectObject(hdc, font);
    SIZE size{};
    GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(hdc, old);
    DeleteObject(font);
    DeleteDC(hdc);
    return size;
  }

  COLORREF Pixel(int x, int y) { return Desktop().WindowPixel(m_Bar->hWnd(), x, y); }

  // Pixels of `colour` in a rectangle of the control's face.
  int CountPixels(const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == colour ? 1 : 0;
    }
    return count;
  }

  // The mouse rests on caption iMenu: it paints hovered.
  void ShowHover(int iMenu) {
    m_Bar->SetMouseOverBar(true);
    m_Bar->SetBarHoverIndex(iMenu);
    m_Bar->Refresh();
  }
  // Menu iMenu is open: its caption paints pressed.
  void ShowPressed(int iMenu) {
    m_Bar->SetBarDroppedIndex(iMenu);
    m_Bar->Refresh();
  }

  std::unique_ptr<Form> m_Form;
  std::shared_ptr<MirelMenuBar20> m_Bar;
};

}  // namespace menubar_test
