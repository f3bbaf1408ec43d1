// A colour as three double-precision channels, and the split and compose between it and a
// 32-bit colour value 0x00BBGGRR. Arithmetic on colours happens on tRGB.
#pragma once
#include "win32/types.h"

struct tRGB {
  double Red = 0;
  double Green = 0;
  double Blue = 0;
  bool operator==(const tRGB&) const = default;
};

// v must be a real colour (system colours translated first).
tRGB SplitRGB(COLORREF v);
// Each channel is rounded to the nearest integer (halves to even, as the runtime's
// conversions do) and held to 0..255.
COLORREF ComposeRGB(const tRGB& c);
