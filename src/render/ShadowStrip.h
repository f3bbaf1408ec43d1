// The soft shadows of menus and tool tips: strips along a window's right and bottom edges
// that show the screen under the window, darkened step by step.
#pragma once
#include "render/tRGB.h"
#include "win32/windows.h"

// Orientation of one strip: along a row (the bottom shadow) or down a column (the right one).
enum class ShadowStripDirection { Row, Column };

// Writes one strip into `hTarget` (the window's client pixels): `length` pixels from `start`
// in `direction`, each read from the screen under the window whose top-left screen pixel is
// `windowOrigin`. The first `copied` pixels keep the screen colour, the rest are blended with
// `factor`; screen pixels that cannot be read are left alone.
void DrawShadowStrip(HDC hTarget, HDC hScreen, POINT windowOrigin, POINT start, ShadowStripDirection direction,
                     int length, int copied, const tRGB& factor);
