#include "render/tRGB.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBlueUnit = 65536;
constexpr double kGreenUnit = 256;
constexpr double kMaxChannel = 255;

BYTE RoundChannel(double c) { return static_cast<BYTE>(std::clamp(std::nearbyint(c), 0.0, kMaxChannel)); }

}  // namespace

tRGB SplitRGB(COLORREF v) {
  const double value = v;
  const double blue = std::trunc(value / kBlueUnit);
  const double green = std::trunc((value - blue * kBlueUnit) / kGreenUnit);
  const double red = value - blue * kBlueUnit - green * kGreenUnit;
  return {red, green, blue};
}

COLORREF ComposeRGB(const tRGB& c) { return RGB(RoundChannel(c.Red), RoundChannel(c.Green), RoundChannel(c.Blue)); }
