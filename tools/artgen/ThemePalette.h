// The colours of the artwork per theme (0 XPBlue, 1 XPSilver, 2 XPOlive): the blue, silver
// and olive looks of the Luna desktop and the office suite of its time.
#pragma once
#include "win32/types.h"

namespace artgen {

inline constexpr int kThemes = 3;

struct Gradient {
  COLORREF from;
  COLORREF to;
};

// One state of a scroll-bar part: border, face gradient across the width.
struct ScrollFace {
  COLORREF border;
  Gradient face;
};

struct ThemePalette {
  Gradient menuBar;         // the bar, left to right
  COLORREF bandTop, bandMiddle, bandBottom;
  Gradient chevron;         // the more-tools area, top to bottom
  Gradient pressed;         // the dropped caption, top to bottom
  Gradient pressedAlternate;
  Gradient margin;          // menu margin, left to right
  Gradient infrequentMargin;
  COLORREF menuGlyph;       // the infrequent-items chevrons
  COLORREF menuGlyphHot;
  Gradient ieBar;           // the tsMSIE panel and bands, left to right
  COLORREF ieShade;         // their bottom row
  ScrollFace scrollNormal, scrollHot, scrollPressed;
  COLORREF scrollGlyph;
  Gradient track, trackHot;
  COLORREF gripDark, gripLight;
};

const ThemePalette& PaletteFor(int theme);

// Shared by every theme.
inline constexpr Gradient kHotChevron = {RGB(255, 244, 204), RGB(255, 208, 145)};
inline constexpr ScrollFace kScrollDisabled = {RGB(216, 214, 205), {RGB(248, 247, 243), RGB(233, 231, 222)}};
inline constexpr COLORREF kScrollGlyphDisabled = RGB(201, 199, 186);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace artgen
