// Rectangle-set arithmetic behind a DC's clipping area.
#pragma once
#include <vector>

#include "win32/gdi.h"

namespace win32::gdi {

using RectSet = std::vector<RECT>;

// Combines two sets with RGN_AND, RGN_OR, RGN_XOR or RGN_DIFF; the result is a set of
// non-overlapping rectangles merged along rows.
RectSet CombineRectSets(const RectSet& a, const RectSet& b, int mode);
int RegionComplexity(const RectSet& rects);
RECT BoundingBox(const RectSet& rects);

}  // namespace win32::gdi
