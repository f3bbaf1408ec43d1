// The colour scheme as painting code meets it: lookups out of range, the colour split and
// compose, and the shadow blend. The colours themselves are checked on the painted pixels.
#include <gtest/gtest.h>

#include "render/ColorScheme.h"
#include "render/styles/Palette.h"
#include "support/Errors.h"
#include "support/Values.h"

namespace {

using mirel_test::Values;

using mirel_test::ErrorOf;

using styles::PaletteFor;

const styles::Palette& PaletteOf(int style, int theme) {
  return PaletteFor(static_cast<ctsVisualStyleConstants>(style), static_cast<ctsThemes>(theme));
}

TEST(ColorSchemeTest, StyleThemeOrStepOutOfRangeIsASubscriptError) {
  EXPECT_EQ(Values(ErrorOf([] { PaletteOf(3, XPBlue); }), ErrorOf([] { PaletteOf(tsMSNet, -1); }),
                   ErrorOf([] { PlainShadowFactor(-1); })),
            "9 9 9");
}

TEST(ColorArithmetic, SplitAndCompose) {
  const tRGB split = SplitRGB(8453952);
  EXPECT_EQ(split, (tRGB{64, 255, 128}));
  EXPECT_EQ(ComposeRGB(split), 8453952u);
  EXPECT_TRUE(SplitRGB(RGB(255, 255, 255)) == (tRGB{255, 255, 255}) && SplitRGB(0) == (tRGB{0, 0, 0}));
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
