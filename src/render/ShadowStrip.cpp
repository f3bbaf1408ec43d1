#include "render/ShadowStrip.h"

#include <algorithm>
#include <vector>

#include "render/ColorScheme.h"

namespace {

constexpr int kDibRedShift = 16;
constexpr int kDibGreenShift = 8;
constexpr BYTE kChannelMask = 0xFF;

COLORREF FromBits(DWORD v) {
  return RGB(static_cast<BYTE>((v >> kDibRedShift) & kChannelMask), static_cast<BYTE>((v >> kDibGreenShift) & kChannelMask),
             static_cast<BYTE>(v & kChannelMask));
}

DWORD ToBits(COLORREF c) {
  return static_cast<DWORD>(GetRValue(c)) << kDibRedShift | static_cast<DWORD>(GetGValue(c)) << kDibGreenShift |
         GetBValue(c);
}

}  // namespace

// The strip goes through a one-pixel-thin bitmap: the screen under it is copied in one blit,
// darkened in one pass over its bits and copied to the target in one blit.
void DrawShadowStrip(HDC hTarget, HDC hScreen, POINT windowOrigin, POINT start, ShadowStripDirection direction,
                     int length, int copied, const tRGB& factor) {
  const bool bRow = direction == ShadowStripDirection::Row;
  // Only the part over the screen can be read; the rest of the strip is left alone.
  const int lAlong = bRow ? windowOrigin.x + start.x : windowOrigin.y + start.y;
  const int lAcross = bRow ? windowOrigin.y + start.y : windowOrigin.x + start.x;
  if (lAcross < 0 || lAcross >= GetDeviceCaps(hScreen, bRow ? VERTRES : HORZRES)) return;
  const int lFirst = std::max(0, -lAlong);
  const int lLast = std::min(length, GetDeviceCaps(hScreen, bRow ? HORZRES : VERTRES) - lAlong);
  if (lFirst >= lLast) return;
  const int lCount = lLast - lFirst;
  const int w = bRow ? lCount : 1;
  const int h = bRow ? 1 : lCount;
  const int x = start.x + (bRow ? lFirst : 0);
  const int y = start.y + (bRow ? 0 : lFirst);

  HDC hStrip = CreateCompatibleDC(hScreen);
  HBITMAP hBits = CreateCompatibleBitmap(hScreen, w, h);
  HGDIOBJ hOld = SelectObject(hStrip, hBits);
  BitBlt(hStrip, 0, 0, w, h, hScreen, windowOrigin.x + x, windowOrigin.y + y, SRCCOPY);
  std::vector<DWORD> bits(static_cast<std::size_t>(lCount));
  const LONG lBytes = static_cast<LONG>(bits.size() * sizeof(DWORD));
  GetBitmapBits(hBits, lBytes, bits.data());
  for (int n = std::max(lFirst, copied); n < lLast; ++n) {
    DWORD& pixel = bits[static_cast<std::size_t>(n - lFirst)];
    pixel = ToBits(ShadowBlend(factor, FromBits(pixel)));
  }
  SetBitmapBits(hBits, static_cast<DWORD>(lBytes), bits.data());
  BitBlt(hTarget, x, y, w, h, hStrip, 0, 0, SRCCOPY);
  SelectObject(hStrip, hOld);
  DeleteObject(hBits);
  DeleteDC(hStrip);
}

void DrawEdgeShadow(HDC hTarget, HDC hScreen, POINT windowOrigin, SIZE window, ShadowEdge edge, int bodyEnd,
                    int copied, const std::array<tRGB, kShadowSteps>& factors) {
  const bool bRight = edge == ShadowEdge::Right;
  const int across = bRight ? window.cx : window.cy;
  for (int step = 0; step < kShadowSteps && bodyEnd + step < across; ++step) {
    const int at = bodyEnd + step;
    DrawShadowStrip(hTarget, hScreen, windowOrigin, bRight ? POINT{at, 0} : POINT{0, at},
                    bRight ? ShadowStripDirection::Column : ShadowStripDirection::Row, bRight ? window.cy : window.cx,
                    copied, factors[static_cast<std::size_t>(step)]);
  }
}
