// The drop panels' shadow over a checker pattern below the band: the panel's last three rows and
// columns show it darkened step by step in the style's and theme's factors (each strip's first
// three pixels undarkened, the right strip owning the corner) beside the body's whole frame, and
// the pattern comes back when the panel closes.

#include "drop/DropPanelsOnForm.h"
#include "render/ColorScheme.h"
#include "render/styles/Palette.h"
#include "support/Pixels.h"
#include "support/StyleTheme.h"

namespace {

constexpr int kStrips = 3;      // the shadow's rows (columns) inside the panel
constexpr int kUndarkened = 3;  // pixels at a strip's start that keep the screen's colour

class PanelShadow : public DropPanelsOnForm, public testing::WithParamInterface<mirel_test::StyleTheme> {
 protected:
  // A child of the form painted with the checker pattern, covering the form from the band's
  // bottom edge down, where the panels open.
  void ShowCheckerBelowTheBand() {
    HWND hWndForm = m_Form->hWnd();
    POINT top = BandPoint(1, 0, Surface(1).Height());
    ScreenToClient(hWndForm, &top);
    RECT area{};
    GetClientRect(hWndForm, &area);
    area.top = top.y;
    HWND hWndBackdrop = mirel_test::CreateTestWindow("backdrop", area, mirel_test::kTestChildStyle, 0, hWndForm);
    mirel_test::SetTestHandler(hWndBackdrop, mirel_test::PaintPattern(mirel_test::Checker));  // goes with the form
    Desktop().DoEvents();
  }
};

TEST_P(PanelShadow, ShowsThePatternUnderThePanelDarkenedAndGoesWithThePanel) {
  m_Bar->SetVisualStyle(GetParam().style);
  m_Bar->SetTheme(GetParam().theme);
  ShowCheckerBelowTheBand();
  const styles::Palette& palette = styles::PaletteFor(GetParam().style, GetParam().theme);
  for (const int tool : {kFore, kSymbols}) {
    SCOPED_TRACE(tool == kFore ? "colour picker" : "icon grid");
    OpenPanel(tool);
    ASSERT_TRUE(PanelShown());
    RECT rc{};
    GetWindowRect(Drop()->PopupWindow(), &rc);
    const int W = rc.right - rc.left, H = rc.bottom - rc.top;
    int mismatches = 0;
    std::string first;
    const auto check = [&](int x, int y, int step, bool bUndarkened) {
      const COLORREF under = mirel_test::Checker(rc.left + x, rc.top + y);
      const COLORREF expected = bUndarkened ? under : ShadowBlend(palette.ShadowFactors[static_cast<std::size_t>(step)], under);
      const COLORREF actual = ScreenPixel(rc.left + x, rc.top + y);
      if (actual != expected && mismatches++ == 0)
        first = Values(x, y, mirel_test::ColourText(expected), mirel_test::ColourText(actual));
    };
    for (int i = 0; i < kStrips; ++i) {
      for (int x = 0; x < W - kStrips; ++x) check(x, H - kStrips + i, i, x < kUndarkened);
      for (int y = 0; y < H; ++y) check(W - kStrips + i, y, i, y < kUndarkened);
    }
    EXPECT_EQ(mismatches, 0) << "first (x y expected actual): " << first;
    EXPECT_EQ(ScreenPixel(rc.left + W - kStrips - 1, rc.top + H / 2), palette.MenuBorder) << "the body's right frame";
    EXPECT_EQ(ScreenPixel(rc.left + W / 2, rc.top + H - kStrips - 1), palette.MenuBorder) << "the body's bottom frame";
    SaveScreen("panel_shadow_" + mirel_test::StyleThemeText(GetParam()) + (tool == kFore ? "_colors" : "_icons"));

    Desktop().KeyPress(VK_ESCAPE);
    ASSERT_FALSE(PanelShown());
    for (const POINT at : {POINT{W - 1, H - 1}, POINT{W - kStrips, H / 2}, POINT{W / 2, H - kStrips}})
      EXPECT_EQ(ScreenPixel(rc.left + at.x, rc.top + at.y), mirel_test::Checker(rc.left + at.x, rc.top + at.y));
  }
}

INSTANTIATE_TEST_SUITE_P(Drop, PanelShadow, mirel_test::AllStyleThemes(), mirel_test::StyleThemeName);

}  // namespace
