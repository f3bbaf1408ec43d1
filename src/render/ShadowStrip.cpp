#include "render/ShadowStrip.h"

#include "render/ColorScheme.h"

void DrawShadowStrip(HDC hTarget, HDC hScreen, POINT windowOrigin, POINT start, ShadowStripDirection direction,
                     int length, int copied, const tRGB& factor) {
  const bool bRow = direction == ShadowStripDirection::Row;
  for (int n = 0; n < length; ++n) {
    const int x = start.x + (bRow ? n : 0);
    const int y = start.y + (bRow ? 0 : n);
    const COLORREF under = GetPixel(hScreen, windowOrigin.x + x, windowOrigin.y + y);
    if (under == CLR_INVALID) continue;
    SetPixelV(hTarget, x, y, n < copied ? under : ShadowBlend(factor, under));
  }
}
