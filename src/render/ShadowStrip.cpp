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

// Whole-number factors (every palette's) darken each channel with integer arithmetic, which
// gives the same channels as the general blend without a floating-point round trip per pixel.
class StepDarkening {
 public:
  explicit StepDarkening(const tRGB& factor)
      : m_Factor(factor),
        m_bWhole(IsWhole(factor.Red) && IsWhole(factor.Green) && IsWhole(factor.Blue)),
        m_Red(static_cast<int>(factor.Red)),
        m_Green(static_cast<int>(factor.Green)),
        m_Blue(static_cast<int>(factor.Blue)) {}

  DWORD operator()(DWORD bits) const {
    if (!m_bWhole) return ToBits(ShadowBlend(m_Factor, FromBits(bits)));
    return static_cast<DWORD>(Darken(m_Red, bits >> kDibRedShift)) << kDibRedShift |
           static_cast<DWORD>(Darken(m_Green, bits >> kDibGreenShift)) << kDibGreenShift | Darken(m_Blue, bits);
  }

 private:
  static bool IsWhole(double v) { return v >= 0 && v <= kChannelMask && v == static_cast<int>(v); }
  static DWORD Darken(int factor, DWORD channel) {
    return static_cast<DWORD>(std::max(0, factor + static_cast<int>(channel & kChannelMask) - kChannelMask));
  }

  tRGB m_Factor;
  bool m_bWhole;
  int m_Red;
  int m_Green;
  int m_Blue;
};

}  // namespace

// The edge's steps go through one bitmap: the screen under them is copied in one blit,
// darkened in one pass over its bits, step by step, and copied to the target in one blit.
void DrawEdgeShadow(HDC hTarget, HDC hScreen, POINT windowOrigin, SIZE window, ShadowEdge edge, int bodyEnd,
                    int copied, const std::array<tRGB, kShadowSteps>& factors) {
  const bool bRight = edge == ShadowEdge::Right;
  const int length = bRight ? window.cy : window.cx;
  const int steps = std::min(kShadowSteps, (bRight ? window.cx : window.cy) - bodyEnd);
  // Only the part over the screen can be read; the rest of the shadow is left alone.
  const int lAlong = bRight ? windowOrigin.y : windowOrigin.x;
  const int lAcross = (bRight ? windowOrigin.x : windowOrigin.y) + bodyEnd;
  const int kFirst = std::max(0, -lAcross);
  const int kLast = std::min(steps, GetDeviceCaps(hScreen, bRight ? HORZRES : VERTRES) - lAcross);
  const int lFirst = std::max(0, -lAlong);
  const int lLast = std::min(length, GetDeviceCaps(hScreen, bRight ? VERTRES : HORZRES) - lAlong);
  if (kFirst >= kLast || lFirst >= lLast) return;
  const int w = bRight ? kLast - kFirst : lLast - lFirst;
  const int h = bRight ? lLast - lFirst : kLast - kFirst;
  const int x = bRight ? bodyEnd + kFirst : lFirst;
  const int y = bRight ? lFirst : bodyEnd + kFirst;

  HDC hBand = CreateCompatibleDC(hScreen);
  HBITMAP hBits = CreateCompatibleBitmap(hScreen, w, h);
  HGDIOBJ hOld = SelectObject(hBand, hBits);
  BitBlt(hBand, 0, 0, w, h, hScreen, windowOrigin.x + x, windowOrigin.y + y, SRCCOPY);
  std::vector<DWORD> bits(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  const LONG lBytes = static_cast<LONG>(bits.size() * sizeof(DWORD));
  GetBitmapBits(hBits, lBytes, bits.data());
  for (int k = kFirst; k < kLast; ++k) {
    const StepDarkening darken(factors[static_cast<std::size_t>(k)]);
    for (int n = std::max(lFirst, copied); n < lLast; ++n) {
      const int column = bRight ? k - kFirst : n - lFirst;
      const int row = bRight ? n - lFirst : k - kFirst;
      DWORD& pixel = bits[static_cast<std::size_t>(row * w + column)];
      pixel = darken(pixel);
    }
  }
  SetBitmapBits(hBits, static_cast<DWORD>(lBytes), bits.data());
  BitBlt(hTarget, x, y, w, h, hBand, 0, 0, SRCCOPY);
  SelectObject(hBand, hOld);
  DeleteObject(hBits);
  DeleteDC(hBand);
}
