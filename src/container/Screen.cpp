#include "container/Screen.h"

#include "win32/gdi.h"

namespace {
float TwipsPerPixel(int capability) {
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int dpi = GetDeviceCaps(display, capability);
  DeleteDC(display);
  return kTwipsPerInch / static_cast<float>(dpi);
}
}  // namespace

float TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
float TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }
