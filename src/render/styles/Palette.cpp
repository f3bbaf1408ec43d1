#include "render/styles/Palette.h"

#include <cstddef>

#include "container/AutomationError.h"

namespace styles {
namespace {

constexpr int kPaletteCount = kVisualStyleCount * kThemeCount;
using PerStyleAndTheme = std::array<COLORREF, kPaletteCount>;

// Rows are themes (XPBlue, XPSilver, XPOlive), columns visual styles (tsMS2003, tsMSNet,
// tsMSIE).
constexpr PerStyleAndTheme kHighlightOutline = {
    RGB(0, 0, 128),   RGB(49, 106, 197),  RGB(0, 0, 0),
    RGB(75, 75, 111), RGB(75, 75, 111),   RGB(0, 0, 0),
    RGB(63, 93, 56),  RGB(147, 160, 112), RGB(0, 0, 0),
};
constexpr PerStyleAndTheme kHighlightFill = {
    RGB(255, 238, 194), RGB(193, 210, 238), RGB(49, 106, 197),
    RGB(255, 238, 194), RGB(199, 199, 202), RGB(187, 183, 199),
    RGB(255, 238, 194), RGB(206, 209, 195), RGB(147, 160, 112),
};
constexpr PerStyleAndTheme kPressedFill = {
    RGB(255, 192, 111), RGB(152, 181, 226), RGB(152, 181, 226),
    RGB(255, 192, 111), RGB(210, 211, 216), RGB(210, 211, 216),
    RGB(255, 192, 111), RGB(201, 208, 184), RGB(201, 208, 184),
};
constexpr PerStyleAndTheme kInfrequentFill = {
    RGB(184, 205, 237), RGB(239, 237, 222), RGB(239, 237, 222),
    RGB(184, 185, 202), RGB(229, 228, 232), RGB(229, 228, 232),
    RGB(186, 201, 143), RGB(239, 237, 222), RGB(239, 237, 222),
};
constexpr PerStyleAndTheme kInfrequentEdge = {
    RGB(106, 140, 203), RGB(197, 194, 184), RGB(197, 194, 184),
    RGB(110, 109, 143), RGB(197, 194, 184), RGB(197, 194, 184),
    RGB(96, 128, 88),   RGB(197, 194, 184), RGB(197, 194, 184),
};
constexpr PerStyleAndTheme kMenuBorder = {
    RGB(0, 45, 150),  RGB(138, 134, 122), RGB(215, 210, 198),
    RGB(75, 75, 111), RGB(138, 134, 122), RGB(215, 210, 198),
    RGB(63, 93, 56),  RGB(138, 134, 122), RGB(215, 210, 198),
};

// Per step, from the shadow's inner edge outwards: tsMS2003 by theme, then the one grey
// that tsMSNet and tsMSIE share for every theme.
struct ShadowStep {
  std::array<tRGB, kThemeCount> ms2003;
  tRGB grey;
};
constexpr std::array<ShadowStep, kShadowSteps> kShadow = {{
    {{{{217, 225, 249}, {231, 227, 236}, {224, 227, 216}}}, {195, 195, 195}},
    {{{{226, 232, 251}, {237, 234, 240}, {231, 234, 224}}}, {210, 210, 210}},
    {{{{236, 240, 252}, {243, 241, 245}, {238, 239, 233}}}, {225, 225, 225}},
    {{{{245, 247, 253}, {249, 248, 250}, {245, 245, 241}}}, {240, 240, 240}},
}};

constexpr Palette MakePalette(int style, int theme) {
  const auto element = static_cast<std::size_t>(style + kVisualStyleCount * theme);
  Palette palette;
  palette.eStyle = static_cast<ctsVisualStyleConstants>(style);
  palette.eTheme = static_cast<ctsThemes>(theme);
  palette.HighlightOutline = kHighlightOutline[element];
  palette.HighlightFill = kHighlightFill[element];
  palette.PressedFill = kPressedFill[element];
  palette.InfrequentFill = kInfrequentFill[element];
  palette.InfrequentEdge = kInfrequentEdge[element];
  palette.MenuBorder = kMenuBorder[element];
  // The drop panel's highlight is the menu highlight.
  palette.PanelHighlightOutline = palette.HighlightOutline;
  palette.PanelHighlightFill = palette.HighlightFill;
  for (std::size_t step = 0; step < kShadowSteps; ++step) {
    palette.ShadowFactors[step] =
        style == ::tsMS2003 ? kShadow[step].ms2003[static_cast<std::size_t>(theme)] : kShadow[step].grey;
  }
  return palette;
}

constexpr std::array<Palette, kPaletteCount> MakePalettes() {
  std::array<Palette, kPaletteCount> palettes{};
  for (int theme = 0; theme < kThemeCount; ++theme) {
    for (int style = 0; style < kVisualStyleCount; ++style) {
      palettes[static_cast<std::size_t>(style + kVisualStyleCount * theme)] = MakePalette(style, theme);
    }
  }
  return palettes;
}

constexpr std::array<Palette, kPaletteCount> kPalettes = MakePalettes();

bool InRange(int value, int count) { return value >= 0 && value < count; }

}  // namespace

const Palette& PaletteFor(ctsVisualStyleConstants style, ctsThemes theme) {
  if (!InRange(style, kVisualStyleCount) || !InRange(theme, kThemeCount)) {
    RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  }
  return kPalettes[static_cast<std::size_t>(style + kVisualStyleCount * theme)];
}

}  // namespace styles
