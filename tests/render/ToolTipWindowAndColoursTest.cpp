// The tip window as users see it: sized to its text, in its look's colours, its shadow the
// screen beneath darkened step by step, top-most below the pointer without taking activation;
// and the colour arithmetic and palette lookups the painters use.
#include <memory>
#include <string>

#include "container/StdFont.h"
#include "render/ColorScheme.h"
#include "render/MUnicodeSupport.h"
#include "render/frmToolTip.h"
#include "render/styles/Palette.h"
#include "support/Errors.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/TextExtent.h"
#include "support/Values.h"

namespace {

using namespace mirel_test;

constexpr COLORREF kBack = RGB(255, 255, 225);
constexpr COLORREF kFore = RGB(0, 0, 160);
constexpr COLORREF kBorder = RGB(200, 0, 0);
constexpr RECT kPatternArea{0, 0, 1024, 768};
constexpr LONG kPointerX = 200;
constexpr LONG kPointerY = 150;
constexpr LONG kMaxWidth = 100;
constexpr char kShortText[] = "Save the document";
constexpr char kLongText[] = "Opens a document that was saved before and shows it in a new window";

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

class ToolTipWindowTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    InitUnicodeSupport();
  }
  static tToolTipLook Look(bool shadows, bool wordWrap = false) {
    return {kBack, kFore, kBorder, StdFont::Create("Tahoma", 8.25), shadows, wordWrap, kMaxWidth};
  }

  frmToolTip& ShowTip(const tToolTipLook& look, const std::string& text, bool keepZOrder = false) {
    tip_ = std::make_unique<frmToolTip>(nullptr, look, text);
    tip_->Show(kPointerX, kPointerY, keepZOrder);
    Desktop().DoEvents();
    return *tip_;
  }

  RECT TipRect() const {
    RECT rect{};
    GetWindowRect(tip_->hWnd(), &rect);
    return rect;
  }

  // The box of the text ink inside the border, in window coordinates.
  RECT InkBounds() {
    const RECT border = tip_->BorderRect();
    win32::Surface inside;
    inside.Resize(border.right - border.left - 2, border.bottom - border.top - 2);
    for (int y = 0; y < inside.height; ++y) {
      for (int x = 0; x < inside.width; ++x) inside.At(x, y) = Desktop().WindowPixel(tip_->hWnd(), border.left + 1 + x, border.top + 1 + y);
    }
    RECT ink = InkBox(inside, kBack);
    OffsetRect(&ink, border.left + 1, border.top + 1);
    return ink;
  }

  std::unique_ptr<frmToolTip> tip_;
};

// Each tip: as wide as its text plus 16, or as the maximum when word wrap breaks it into
// several whole lines; the ink inside the text rectangle; the border colour exactly on the
// outer frame, the back colour inside it, the text in the fore colour. With shadows the border
// leaves the 3 right columns and 4 bottom rows to the shadow.
TEST_F(ToolTipWindowTest, TipIsSizedToItsTextInItsColours) {
  const struct { const char* text; bool wordWrap, shadows; int lines; } cases[] = {
      {kShortText, false, false, 1},
      {kLongText, false, false, 1},
      {"Cut", true, false, 1},  // short enough that word wrap leaves it alone
      {kShortText, false, true, 1},
      {kLongText, true, false, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.shadows ? ", with shadows" : "") + (c.wordWrap ? ", wrapped" : ""));
    const tToolTipLook look = Look(c.shadows, c.wordWrap);
    ShowTip(look, c.text);
    const SIZE text = TextExtent(*look.oFont, c.text);
    const LONG width = (c.lines > 1 ? kMaxWidth : text.cx) + 16;
    const LONG height = c.lines * text.cy + 2;
    const RECT rect = TipRect();
    const RECT border = tip_->BorderRect();
    const RECT ink = InkBounds();
    EXPECT_EQ(Values(rect.right - rect.left, rect.bottom - rect.top, border.right, border.bottom),
              Values(width, height + (c.shadows ? 3 : 0), width - (c.shadows ? 3 : 0), height - (c.shadows ? 1 : 0)));
    EXPECT_EQ(Values(ink.bottom - ink.top > (c.lines - 1) * text.cy, ink.bottom - ink.top <= c.lines * text.cy,
                     ink.left >= tip_->TextRect().left, ink.right <= tip_->TextRect().right),
              "1 1 1 1");
    if (c.shadows) continue;
    const RECT inside{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    EXPECT_EQ(Values(CountScreenPixels(rect, kBorder) - CountScreenPixels(inside, kBorder), CountScreenPixels(inside, kBorder),
                     Desktop().WindowPixel(tip_->hWnd(), 1, 1), CountScreenPixels(rect, kFore) > 0),
              Values(2 * (rect.right - rect.left) + 2 * (rect.bottom - rect.top - 2), 0, kBack, true));
  }
}

// Right band: three columns inside the window; bottom band: four rows, drawn last, so it owns
// the corner. The first three rows or columns of a band show the screen unchanged; every other
// pixel is the screen beneath darkened by its step, darkest next to the tip. Removed, the tip
// leaves the screen and the object counts as they were.
TEST_F(ToolTipWindowTest, ShadowIsTheScreenUnderItDarkenedStepByStepAndGoesWithTheTip) {
  SetTestHandler(CreateTestWindow("backdrop", kPatternArea), PaintPattern(Checker));
  Desktop().DoEvents();
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  ShowTip(Look(true), "Gypsy [jig] |qp|");
  const RECT rect = TipRect();
  const RECT border = tip_->BorderRect();
  const auto& factors = PlainShadowFactors();
  for (std::size_t step = 0; step + 1 < factors.size(); ++step) {
    EXPECT_LT(Brightness(ShadowBlend(factors[step], kWhite)), Brightness(ShadowBlend(factors[step + 1], kWhite))) << step;
  }
  int wrong = 0;
  const auto probe = [&](int x, int y, int step, bool clear) {
    const COLORREF beneath = Checker(rect.left + x, rect.top + y);
    const COLORREF expected = clear ? beneath : ShadowBlend(factors[static_cast<std::size_t>(step)], beneath);
    if (ScreenPixel(rect.left + x, rect.top + y) != expected && ++wrong <= 5) ADD_FAILURE() << "shadow pixel (" << x << ", " << y << ")";
  };
  for (int step = 0; step < 3; ++step) {
    for (int y = 0; y < border.bottom; ++y) probe(border.right + step, y, step, y < 3);
  }
  for (int step = 0; step < 4; ++step) {
    for (int x = 0; x < rect.right - rect.left; ++x) probe(x, border.bottom + step, step, x < 3);
  }
  EXPECT_EQ(Values(wrong, rect.right - rect.left - border.right), "0 3");
  EXPECT_EQ(Values(ScreenPixel(rect.left + border.right - 1, rect.top + 5), ScreenPixel(rect.left + 5, rect.top + border.bottom - 1)),
            Values(kBorder, kBorder));
  tip_.reset();
  Desktop().DoEvents();
  EXPECT_TRUE(win32::SnapshotLiveObjects() == before);
  EXPECT_EQ(Values(CountScreenPixels(rect, kBorder), ScreenPixel(rect.right - 2, rect.bottom - 2)),
            Values(0, Checker(rect.right - 2, rect.bottom - 2)));
}

// Below the pointer (above it at the screen's bottom, pushed in from the right edge), above a
// top-most window, and a click on it activates nothing.
TEST_F(ToolTipWindowTest, SitsBelowThePointerTopMostAndNeverTakesActivationOrFocus) {
  CreateTestWindow("other", RECT{150, 100, 500, 400}, kTestPopupStyle, WS_EX_TOPMOST);
  HWND host = CreateTestWindow("host", RECT{100, 100, 600, 500});
  SetActiveWindow(host);
  SetFocus(host);
  Desktop().DoEvents();
  for (bool keepZOrder : {false, true}) {
    SCOPED_TRACE(keepZOrder ? "keep z-order" : "top-most");
    frmToolTip& tip = ShowTip(Look(true), kShortText, keepZOrder);
    const RECT rect = TipRect();
    EXPECT_EQ(Values(rect.left, rect.top, IsWindowVisible(tip.hWnd())), Values(kPointerX, kPointerY + frmToolTip::kPointerClearance, 1));
    EXPECT_EQ(WindowFromPoint(POINT{rect.left + 4, rect.top + 4}), tip.hWnd()) << "above a top-most window";
    Desktop().MouseMove(rect.left + 4, rect.top + 4);
    Desktop().Click();
    EXPECT_EQ(Values(GetActiveWindow(), GetFocus()), Values(host, host));
  }
  tip_ = std::make_unique<frmToolTip>(nullptr, Look(false), kShortText);
  tip_->Show(1020, 760, false);
  EXPECT_EQ(Values(TipRect().bottom, TipRect().right), "760 1024");
}

// Channels are rounded before composing, halves to the even neighbour; the shadow blend
// scales the screen beneath by the step's colour; a style, theme or shadow step out of range
// is a subscript error.
TEST(ColorArithmetic, SplitComposeShadowBlendAndLookupsOutOfRange) {
  using styles::PaletteFor;
  EXPECT_EQ(Values(ErrorOf([] { PaletteFor(static_cast<ctsVisualStyleConstants>(3), XPBlue); }),
                   ErrorOf([] { PaletteFor(tsMSNet, static_cast<ctsThemes>(-1)); }),
                   ErrorOf([] { PlainShadowFactor(-1); })),
            "9 9 9");
  EXPECT_EQ(SplitRGB(8453952), (tRGB{64, 255, 128}));
  EXPECT_TRUE(SplitRGB(RGB(255, 255, 255)) == (tRGB{255, 255, 255}) && SplitRGB(0) == (tRGB{0, 0, 0}));
  EXPECT_EQ(Values(ComposeRGB({64, 255, 128}), ComposeRGB({64.4, 254.6, 127.5}), ComposeRGB({2.5, 3.5, 0.49})),
            Values(8453952u, RGB(64, 255, 128), RGB(2, 4, 0)));
  EXPECT_EQ(Values(ShadowBlend({142, 142, 142}, RGB(255, 255, 255)), ShadowBlend({142, 142, 142}, RGB(100, 50, 0)),
                   ShadowBlend({255, 255, 255}, RGB(12, 34, 56)), ShadowBlend({217, 225, 249}, RGB(200, 100, 50))),
            Values(RGB(142, 142, 142), RGB(0, 0, 0), RGB(12, 34, 56), RGB(162, 70, 44)));
}

}  // namespace
