// The drop panels' shadow as users see it, over a fine checker pattern below the band: the
// panel's last three rows and columns show the pattern darkened step by step in the visual
// style's and theme's factors (the first three pixels of each strip undarkened, the right strip
// owning the corner), the body's frame stays whole beside it, and the pattern is back as it was
// once the panel closes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "drop/DropPanelsOnForm.h"
#include "render/ColorScheme.h"
#include "render/styles/Palette.h"
#include "support/MessageLog.h"
#include "support/Pixels.h"
#include "support/StyleTheme.h"

namespace {

constexpr int kCheckerCell = 3;
constexpr COLORREF kCheckerA = RGB(250, 200, 60);
constexpr COLORREF kCheckerB = RGB(40, 120, 200);
constexpr int kStrips = 3;      // the shadow's rows (columns) inside the panel
constexpr int kUndarkened = 3;  // pixels at a strip's start that keep the screen's colour

COLORREF Checker(int x, int y) { return ((x / kCheckerCell + y / kCheckerCell) % 2) == 0 ? kCheckerA : kCheckerB; }

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
    m_hBackdrop = mirel_test::CreateTestWindow("backdrop", area, mirel_test::kTestChildStyle, 0, hWndForm);
    mirel_test::SetTestHandler(m_hBackdrop, [](HWND hWnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_ERASEBKGND) return TRUE;
      if (message != WM_PAINT) return std::nullopt;
      PAINTSTRUCT ps{};
      HDC hdc = BeginPaint(hWnd, &ps);
      POINT origin{0, 0};
      ClientToScreen(hWnd, &origin);
      for (int y = ps.rcPaint.top; y < ps.rcPaint.bottom; ++y)
        for (int x = ps.rcPaint.left; x < ps.rcPaint.right; ++x) SetPixelV(hdc, x, y, Checker(origin.x + x, origin.y + y));
      EndPaint(hWnd, &ps);
      return 0;
    });
    Desktop().DoEvents();
  }
  void TearDown() override {
    if (m_hBackdrop != nullptr) {
      mirel_test::SetTestHandler(m_hBackdrop, nullptr);
      DestroyWindow(m_hBackdrop);
    }
    DropPanelsOnForm::TearDown();
  }

  HWND m_hBackdrop = nullptr;
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
    const int W = rc.right - rc.left;
    const int H = rc.bottom - rc.top;
    std::vector<std::string> mismatches;
    const auto check = [&](int x, int y, int step, bool bUndarkened) {
      const COLORREF under = Checker(rc.left + x, rc.top + y);
      const COLORREF expected = bUndarkened ? under : ShadowBlend(palette.ShadowFactors[static_cast<std::size_t>(step)], under);
      const COLORREF actual = ScreenPixel(rc.left + x, rc.top + y);
      if (actual == expected) return;
      std::ostringstream row;
      row << x << ", " << y << ": " << mirel_test::ColourText(expected) << " / " << mirel_test::ColourText(actual);
      mismatches.push_back(row.str());
    };
    for (int i = 0; i < kStrips; ++i) {
      for (int x = 0; x < W - kStrips; ++x) check(x, H - kStrips + i, i, x < kUndarkened);
      for (int y = 0; y < H; ++y) check(W - kStrips + i, y, i, y < kUndarkened);
    }
    EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " pixels differ (x, y: expected / actual), first: "
                                    << (mismatches.empty() ? "" : mismatches.front());
    EXPECT_EQ(ScreenPixel(rc.left + W - kStrips - 1, rc.top + H / 2), palette.MenuBorder) << "the body's right frame";
    EXPECT_EQ(ScreenPixel(rc.left + W / 2, rc.top + H - kStrips - 1), palette.MenuBorder) << "the body's bottom frame";
    SaveScreen("panel_shadow_" + mirel_test::StyleThemeText(GetParam()) + (tool == kFore ? "_colors" : "_icons"));

    Desktop().KeyPress(VK_ESCAPE);
    ASSERT_FALSE(PanelShown());
    for (const POINT at : {POINT{W - 1, H - 1}, POINT{W - kStrips, H / 2}, POINT{W / 2, H - kStrips}})
      EXPECT_EQ(ScreenPixel(rc.left + at.x, rc.top + at.y), Checker(rc.left + at.x, rc.top + at.y));
  }
}

INSTANTIATE_TEST_SUITE_P(Drop, PanelShadow, mirel_test::AllStyleThemes(), mirel_test::StyleThemeName);

}  // namespace
