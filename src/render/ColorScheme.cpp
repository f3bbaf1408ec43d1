#include "render/ColorScheme.h"

#include <algorithm>
#include <cstddef>

#include "container/AutomationError.h"

ColorTable ColorHighlightOutline;
ColorTable ColorHighlightFill;
ColorTable ColorPressedFill;
ColorTable ColorInfrequentFill;
ColorTable ColorInfrequentEdge;
ColorTable ColorMenuBorder;
ColorTable ColorPanelHighlightOutline;
ColorTable ColorPanelHighlightFill;
ShadowTable ShadowFactorsThemed;
PlainShadowTable ShadowFactorsPlain;

namespace {

constexpr double kMaxChannel = 255;

// Rows are themes (XPBlue, XPSilver, XPOlive), columns visual styles (tsMS2003, tsMSNet,
// tsMSIE): the layout s + 3 * t of the tables.
constexpr ColorTable kHighlightOutline = {{
    {0, 0, 128}, {49, 106, 197}, {0, 0, 0},
    {75, 75, 111}, {75, 75, 111}, {0, 0, 0},
    {63, 93, 56}, {147, 160, 112}, {0, 0, 0},
}};
constexpr ColorTable kHighlightFill = {{
    {255, 238, 194}, {193, 210, 238}, {49, 106, 197},
    {255, 238, 194}, {199, 199, 202}, {187, 183, 199},
    {255, 238, 194}, {206, 209, 195}, {147, 160, 112},
}};
constexpr ColorTable kPressedFill = {{
    {255, 192, 111}, {152, 181, 226}, {152, 181, 226},
    {255, 192, 111}, {210, 211, 216}, {210, 211, 216},
    {255, 192, 111}, {201, 208, 184}, {201, 208, 184},
}};
constexpr ColorTable kInfrequentFill = {{
    {184, 205, 237}, {239, 237, 222}, {239, 237, 222},
    {184, 185, 202}, {229, 228, 232}, {229, 228, 232},
    {186, 201, 143}, {239, 237, 222}, {239, 237, 222},
}};
constexpr ColorTable kInfrequentEdge = {{
    {106, 140, 203}, {197, 194, 184}, {197, 194, 184},
    {110, 109, 143}, {197, 194, 184}, {197, 194, 184},
    {96, 128, 88}, {197, 194, 184}, {197, 194, 184},
}};
constexpr ColorTable kMenuBorder = {{
    {0, 45, 150}, {138, 134, 122}, {215, 210, 198},
    {75, 75, 111}, {138, 134, 122}, {215, 210, 198},
    {63, 93, 56}, {138, 134, 122}, {215, 210, 198},
}};

// Per step, from the shadow's inner edge outwards: tsMS2003 by theme, then the one grey
// that tsMSNet and tsMSIE share for every theme.
struct ShadowStep {
  std::array<tRGB, kThemeCount> ms2003;
  tRGB grey;
};
constexpr std::array<ShadowStep, kShadowSteps> kThemedShadow = {{
    {{{{217, 225, 249}, {231, 227, 236}, {224, 227, 216}}}, {195, 195, 195}},
    {{{{226, 232, 251}, {237, 234, 240}, {231, 234, 224}}}, {210, 210, 210}},
    {{{{236, 240, 252}, {243, 241, 245}, {238, 239, 233}}}, {225, 225, 225}},
    {{{{245, 247, 253}, {249, 248, 250}, {245, 245, 241}}}, {240, 240, 240}},
}};
constexpr PlainShadowTable kPlainShadow = {{{142, 142, 142}, {171, 171, 171}, {212, 212, 212}, {241, 241, 241}}};

constexpr int Element(int style, int theme) { return style + kVisualStyleCount * theme; }

bool InRange(int value, int count) { return value >= 0 && value < count; }

void CheckStyleAndTheme(int style, int theme) {
  if (!InRange(style, kVisualStyleCount) || !InRange(theme, kThemeCount)) {
    RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  }
}

}  // namespace

void FillColorScheme() {
  ColorHighlightOutline = kHighlightOutline;
  ColorHighlightFill = kHighlightFill;
  ColorPressedFill = kPressedFill;
  ColorInfrequentFill = kInfrequentFill;
  ColorInfrequentEdge = kInfrequentEdge;
  ColorMenuBorder = kMenuBorder;
  ColorPanelHighlightOutline = kHighlightOutline;
  ColorPanelHighlightFill = kHighlightFill;
  for (int step = 0; step < kShadowSteps; ++step) {
    for (int theme = 0; theme < kThemeCount; ++theme) {
      for (int style = 0; style < kVisualStyleCount; ++style) {
        const ShadowStep& row = kThemedShadow[static_cast<std::size_t>(step)];
        ShadowFactorsThemed[static_cast<std::size_t>(Element(style, theme) + step * kVisualStyleCount * kThemeCount)] =
            style == tsMS2003 ? row.ms2003[static_cast<std::size_t>(theme)] : row.grey;
      }
    }
  }
  ShadowFactorsPlain = kPlainShadow;
}

const tRGB& SchemeColor(const ColorTable& table, int style, int theme) {
  CheckStyleAndTheme(style, theme);
  return table[static_cast<std::size_t>(Element(style, theme))];
}

const tRGB& ShadowFactor(int style, int theme, int step) {
  CheckStyleAndTheme(style, theme);
  if (!InRange(step, kShadowSteps)) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return ShadowFactorsThemed[static_cast<std::size_t>(Element(style, theme) + step * kVisualStyleCount * kThemeCount)];
}

const tRGB& PlainShadowFactor(int step) {
  if (!InRange(step, kShadowSteps)) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return ShadowFactorsPlain[static_cast<std::size_t>(step)];
}

COLORREF ShadowBlend(const tRGB& f, COLORREF p) {
  const tRGB pixel = SplitRGB(p);
  auto blend = [](double factor, double channel) { return std::max(0.0, factor + channel - kMaxChannel); };
  return ComposeRGB({blend(f.Red, pixel.Red), blend(f.Green, pixel.Green), blend(f.Blue, pixel.Blue)});
}
