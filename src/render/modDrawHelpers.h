// Small drawing primitives shared by every painter: solid rectangles in automation colours.
#pragma once
#include "container/Ole.h"
#include "win32/windows.h"

// An OLE_COLOR with the high bit clear is a colour already; with it set, the low bits are a
// system colour index.
COLORREF TranslateOleColor(OLE_COLOR colour);

inline constexpr int kSolidRectFill = 1;
inline constexpr int kSolidRectFrame = 0;

// Fills (fill == kSolidRectFill) or frames (any other value) left..right x top..bottom with
// the translated colour.
void DrawSolidRect(HDC destDC, int left, int top, int right, int bottom, OLE_COLOR colour, int fill);
