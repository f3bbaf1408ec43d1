// The colour scheme as painting code meets it: table lookups by style and theme, the colour
// split and compose, and the shadow blend.
#include <gtest/gtest.h>

#include "container/AutomationError.h"
#include "render/ColorScheme.h"

namespace {

class ColorSchemeTest : public ::testing::Test {
 protected:
  void SetUp() override { FillColorScheme(); }
};

TEST_F(ColorSchemeTest, HighlightOutlineOfTheIeStyleIsBlackInEveryTheme) {
  for (int theme : {XPBlue, XPSilver, XPOlive}) {
    EXPECT_EQ(ComposeRGB(SchemeColor(ColorHighlightOutline, tsMSIE, theme)), RGB(0, 0, 0)) << "theme " << theme;
  }
}

TEST_F(ColorSchemeTest, LookupsFollowStyleAndThemeOrder) {
  struct Case {
    const ColorTable* table;
    int style;
    int theme;
    COLORREF expected;
  };
  const Case cases[] = {
      {&ColorHighlightOutline, tsMSNet, XPBlue, RGB(49, 106, 197)},
      {&ColorHighlightFill, tsMSIE, XPSilver, RGB(187, 183, 199)},
      {&ColorPressedFill, tsMS2003, XPOlive, RGB(255, 192, 111)},
      {&ColorInfrequentFill, tsMS2003, XPSilver, RGB(184, 185, 202)},
      {&ColorInfrequentEdge, tsMS2003, XPOlive, RGB(96, 128, 88)},
      {&ColorMenuBorder, tsMS2003, XPBlue, RGB(0, 45, 150)},
      {&ColorMenuBorder, tsMSIE, XPOlive, RGB(215, 210, 198)},
      {&ColorPanelHighlightOutline, tsMSNet, XPOlive, RGB(147, 160, 112)},
      {&ColorPanelHighlightFill, tsMSNet, XPSilver, RGB(199, 199, 202)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposeRGB(SchemeColor(*c.table, c.style, c.theme)), c.expected)
        << "style " << c.style << ", theme " << c.theme;
  }
  // Element s + 3 * t: the silver tsMS2003 border is element 3.
  EXPECT_EQ(ComposeRGB(ColorMenuBorder[3]), RGB(75, 75, 111));
}

TEST_F(ColorSchemeTest, ThemedShadowFactors) {
  EXPECT_EQ(ShadowFactor(tsMSNet, XPOlive, 2), (tRGB{225, 225, 225}));
  EXPECT_EQ(ShadowFactorsThemed[tsMSNet + 3 * XPOlive + 9 * 2], (tRGB{225, 225, 225}));
  EXPECT_EQ(ShadowFactor(tsMS2003, XPBlue, 0), (tRGB{217, 225, 249}));
  EXPECT_EQ(ShadowFactor(tsMS2003, XPSilver, 3), (tRGB{249, 248, 250}));
  EXPECT_EQ(ShadowFactor(tsMSIE, XPBlue, 1), (tRGB{210, 210, 210}));
  EXPECT_EQ(PlainShadowFactor(0), (tRGB{142, 142, 142}));
  EXPECT_EQ(PlainShadowFactor(3), (tRGB{241, 241, 241}));
}

TEST_F(ColorSchemeTest, RefillingRestoresTheSameValues) {
  ColorHighlightFill[0] = {1, 2, 3};
  FillColorScheme();
  EXPECT_EQ(ComposeRGB(SchemeColor(ColorHighlightFill, tsMS2003, XPBlue)), RGB(255, 238, 194));
}

TEST_F(ColorSchemeTest, StyleThemeOrStepOutOfRangeIsASubscriptError) {
  auto expectError9 = [](auto&& call) {
    try {
      call();
      ADD_FAILURE() << "no error raised";
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number(), 9);
    }
  };
  expectError9([] { SchemeColor(ColorMenuBorder, 3, XPBlue); });
  expectError9([] { SchemeColor(ColorMenuBorder, tsMSNet, -1); });
  expectError9([] { ShadowFactor(tsMSNet, XPBlue, 4); });
  expectError9([] { PlainShadowFactor(-1); });
}

TEST(ColorArithmetic, SplitAndCompose) {
  const tRGB split = SplitRGB(8453952);
  EXPECT_EQ(split, (tRGB{64, 255, 128}));
  EXPECT_EQ(ComposeRGB(split), 8453952u);
  EXPECT_EQ(SplitRGB(RGB(255, 255, 255)), (tRGB{255, 255, 255}));
  EXPECT_EQ(SplitRGB(0), (tRGB{0, 0, 0}));
  // Channels are rounded before composing; halves go to the even neighbour.
  EXPECT_EQ(ComposeRGB({64.4, 254.6, 127.5}), RGB(64, 255, 128));
  EXPECT_EQ(ComposeRGB({2.5, 3.5, 0.49}), RGB(2, 4, 0));
}

TEST(ColorArithmetic, ShadowBlend) {
  const tRGB darkest{142, 142, 142};
  EXPECT_EQ(ShadowBlend(darkest, RGB(255, 255, 255)), RGB(142, 142, 142));
  EXPECT_EQ(ShadowBlend(darkest, RGB(100, 50, 0)), RGB(0, 0, 0));
  EXPECT_EQ(ShadowBlend({255, 255, 255}, RGB(12, 34, 56)), RGB(12, 34, 56));
  EXPECT_EQ(ShadowBlend({217, 225, 249}, RGB(200, 100, 50)), RGB(162, 70, 44));
}

}  // namespace
