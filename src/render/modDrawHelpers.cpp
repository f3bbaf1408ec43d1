#include "render/modDrawHelpers.h"

COLORREF TranslateOleColor(OLE_COLOR colour) {
  if ((colour & kOleSystemColorFlag) == 0) return colour;
  return GetSysColor(static_cast<int>(colour & ~kOleSystemColorFlag));
}

void DrawSolidRect(HDC destDC, int left, int top, int right, int bottom, OLE_COLOR colour, int fill) {
  const RECT area{left, top, right, bottom};
  // The DC's own brush colour: no brush is made and deleted for every rectangle.
  const COLORREF previous = SetDCBrushColor(destDC, TranslateOleColor(colour));
  const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
  if (fill == kSolidRectFill) {
    FillRect(destDC, &area, brush);
  } else {
    FrameRect(destDC, &area, brush);
  }
  SetDCBrushColor(destDC, previous);
}
