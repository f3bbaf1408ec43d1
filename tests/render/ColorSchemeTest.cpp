// The colour scheme as painting code meets it: table lookups by style and theme, the colour
// split and compose, and the shadow blend.
#include <gtest/gtest.h>

#include <sstream>

#include "render/ColorScheme.h"
#include "render/styles/Palette.h"
#include "support/Errors.h"
#include "support/MessageLog.h"

namespace {

using mirel_test::ErrorOf;
using mirel_test::SameSequence;
using mirel_test::Sequence;

using styles::Palette;
using styles::PaletteFor;

const Palette& PaletteOf(int style, int theme) {
  return PaletteFor(static_cast<ctsVisualStyleConstants>(style), static_cast<ctsThemes>(theme));
}

std::string Row(const char* name, int style, int theme, const tRGB& value) {
  std::ostringstream out;
  out << name << " style " << style << " theme " << theme << ": " << value.Red << "," << value.Green << "," << value.Blue;
  return out.str();
}

TEST(ColorSchemeTest, LookupsFollowStyleAndTheme) {
  const struct {
    const char* name;
    COLORREF Palette::*colour;
    int style;
    int theme;
    tRGB expected;
  } cases[] = {
      // The highlight outline of the IE style is black in every theme.
      {"HighlightOutline", &Palette::HighlightOutline, tsMSIE, XPBlue, {0, 0, 0}},
      {"HighlightOutline", &Palette::HighlightOutline, tsMSIE, XPSilver, {0, 0, 0}},
      {"HighlightOutline", &Palette::HighlightOutline, tsMSIE, XPOlive, {0, 0, 0}},
      {"HighlightOutline", &Palette::HighlightOutline, tsMSNet, XPBlue, {49, 106, 197}},
      {"HighlightFill", &Palette::HighlightFill, tsMSIE, XPSilver, {187, 183, 199}},
      {"PressedFill", &Palette::PressedFill, tsMS2003, XPOlive, {255, 192, 111}},
      {"InfrequentFill", &Palette::InfrequentFill, tsMS2003, XPSilver, {184, 185, 202}},
      {"InfrequentEdge", &Palette::InfrequentEdge, tsMS2003, XPOlive, {96, 128, 88}},
      {"MenuBorder", &Palette::MenuBorder, tsMS2003, XPBlue, {0, 45, 150}},
      {"MenuBorder", &Palette::MenuBorder, tsMS2003, XPSilver, {75, 75, 111}},
      {"MenuBorder", &Palette::MenuBorder, tsMSIE, XPOlive, {215, 210, 198}},
      {"PanelHighlightOutline", &Palette::PanelHighlightOutline, tsMSNet, XPOlive, {147, 160, 112}},
      {"PanelHighlightFill", &Palette::PanelHighlightFill, tsMSNet, XPSilver, {199, 199, 202}},
  };
  Sequence expected;
  Sequence actual;
  for (const auto& c : cases) {
    expected.push_back(Row(c.name, c.style, c.theme, c.expected));
    actual.push_back(Row(c.name, c.style, c.theme, SplitRGB(PaletteOf(c.style, c.theme).*c.colour)));
  }
  EXPECT_TRUE(SameSequence(expected, actual));
}

TEST(ColorSchemeTest, ShadowFactorsByStyleThemeAndStep) {
  const struct {
    int style;
    int theme;
    int step;
    tRGB expected;
  } themed[] = {
      {tsMSNet, XPOlive, 2, {225, 225, 225}},
      {tsMS2003, XPBlue, 0, {217, 225, 249}},
      {tsMS2003, XPSilver, 3, {249, 248, 250}},
      {tsMSIE, XPBlue, 1, {210, 210, 210}},
  };
  for (const auto& c : themed) {
    EXPECT_EQ(PaletteOf(c.style, c.theme).ShadowFactors[static_cast<std::size_t>(c.step)], c.expected)
        << c.style << " " << c.theme << " " << c.step;
  }
  EXPECT_EQ(PlainShadowFactor(0), (tRGB{142, 142, 142}));
  EXPECT_EQ(PlainShadowFactor(3), (tRGB{241, 241, 241}));
}

TEST(ColorSchemeTest, StyleThemeOrStepOutOfRangeIsASubscriptError) {
  EXPECT_EQ(ErrorOf([] { PaletteOf(3, XPBlue); }), 9);
  EXPECT_EQ(ErrorOf([] { PaletteOf(tsMSNet, -1); }), 9);
  EXPECT_EQ(ErrorOf([] { PlainShadowFactor(-1); }), 9);
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
