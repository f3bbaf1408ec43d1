// Drawing pieces the visual styles share on tool bands. Band drawing names boxes and lines by
// their two end points, both of them drawn.
#pragma once
#include "render/cMemDC.h"
#include "render/styles/ArtworkCache.h"
#include "render/styles/IToolStyle.h"
#include "render/styles/PerTheme.h"
#include "win32/windows.h"

namespace styles {

// The theme-coloured separator line of tsMS2003 and tsMSNet.
inline constexpr PerTheme<COLORREF> kToolSeparatorColor{RGB(106, 140, 203), RGB(110, 109, 143), RGB(96, 128, 88)};

// Filled and outlined boxes from (x1, y1) to (x2, y2), and lines, ends included.
void FillBandBox(HDC hdc, int x1, int y1, int x2, int y2, COLORREF colour);
void FrameBandBox(HDC hdc, int x1, int y1, int x2, int y2, COLORREF colour);
void BandLine(HDC hdc, int x1, int y1, int x2, int y2, COLORREF colour);

// Copies a w x h piece of `art` at (srcX, srcY) to (x, y), leaving its key-coloured pixels out.
void CopyKeyed(HDC hdc, int x, int y, const cMemDC& art, int srcX, int srcY, int w, int h);

// Where the three slices of a stretched piece of artwork lie: a left cap, a middle that is
// stretched and a right cap, the caps capWidth columns wide.
struct tSlices {
  int leftCapX;
  int middleX;
  int middleWidth;
  int rightCapX;
  int capWidth;
};
// The slices drawn over destW x destH at (x, y): the caps as wide as they are, the middle
// stretched between them, every row stretched to destH.
void DrawThreeSlices(HDC hdc, int x, int y, int destW, int destH, const cMemDC& art, const tSlices& slices);

// The chevron area of the band strip artwork, normal or hot, for the theme, with the chevron
// arrow over it.
void DrawChevronArea(HDC hdc, const RECT& area, eChevron state, ctsThemes theme, ArtworkCache& artwork);
// The chevron arrow alone, at its place in `area`.
void DrawChevronArrow(HDC hdc, const RECT& area, ArtworkCache& artwork);

// The frame border of tsMS2003 and tsMSNet: an outlined box one row taller at each end than
// the frame, and for a drop-down tool the divider at dividerX (kNoDivider for none).
void DrawToolFrameBorder(HDC hdc, const RECT& frame, int dividerX, COLORREF colour);

// Marlett's down arrow with its top-left at `at`: black, or grey text when disabled.
void DrawMarlettDropArrow(HDC hdc, POINT at, bool bEnabled);

// The drop panel's hot cell of tsMSNet and tsMSIE: a box reaching two pixels beyond `inner`
// on every side, filled with the panel's highlight.
void FillPanelHotBox(HDC hdc, const RECT& inner, const Palette& palette);

}  // namespace styles
