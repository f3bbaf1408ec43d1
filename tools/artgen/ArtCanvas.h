// Drawing primitives for the artwork generator, straight onto a pixel surface.
#pragma once
#include <initializer_list>

#include "win32/surface.h"

namespace artgen {

// A colour between a (t = 0) and b (t = 1).
COLORREF Mix(COLORREF a, COLORREF b, double t);

// A new surface of w x h filled with `fill`.
win32::Surface Blank(int w, int h, COLORREF fill);

void Put(win32::Surface& s, int x, int y, COLORREF c);
void Fill(win32::Surface& s, RECT r, COLORREF c);
void Frame(win32::Surface& s, RECT r, COLORREF c);
// Gradients over r, inclusive of the first and last row (column).
void VerticalGradient(win32::Surface& s, RECT r, COLORREF top, COLORREF bottom);
void HorizontalGradient(win32::Surface& s, RECT r, COLORREF left, COLORREF right);
// A vertical gradient through three colours, the middle one at `middleAt` (0..1).
void VerticalGradient3(win32::Surface& s, RECT r, COLORREF top, COLORREF middle, COLORREF bottom,
                       double middleAt);
// A soft band: left-to-right gradient, its upper rows lightened towards white, its bottom row
// halfway to `shade`. Meant to be stretched over a whole bar.
win32::Surface ShadedStrip(int w, int h, COLORREF left, COLORREF right, COLORREF shade);
// Softens the four corner pixels of r towards `outside` (rounded look).
void RoundCorners(win32::Surface& s, RECT r, COLORREF outside);
// A small bitmap font: each 'X' of the rows sets a pixel in ink, other characters are skipped.
void Pattern(win32::Surface& s, int x, int y, std::initializer_list<const char*> rows, COLORREF ink);
// Copies src onto dst at (x, y).
void Paste(win32::Surface& dst, const win32::Surface& src, int x, int y);

}  // namespace artgen
