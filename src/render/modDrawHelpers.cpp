#include "render/modDrawHelpers.h"

COLORREF TranslateOleColor(OLE_COLOR colour) {
  if ((colour & kOleSystemColorFlag) == 0) return colour;
  return GetSysColor(static_cast<int>(colour & ~kOleSystemColorFlag));
}

void DrawSolidRect(HDC destDC, int left, int top, int right, int bottom, OLE_COLOR colour, int fill) {
  const RECT area{left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(TranslateOleColor(colour));
  if (fill == kSolidRectFill) {
    FillRect(destDC, &area, brush);
  } else {
    FrameRect(destDC, &area, brush);
  }
  DeleteObject(brush);
}
