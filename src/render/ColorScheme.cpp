#include "render/ColorScheme.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "container/AutomationError.h"

namespace {

constexpr double kMaxChannel = 255;
constexpr std::array<tRGB, kShadowSteps> kPlainShadow = {{{142, 142, 142}, {171, 171, 171}, {212, 212, 212}, {241, 241, 241}}};

}  // namespace

const tRGB& PlainShadowFactor(int step) {
  if (step < 0 || step >= kShadowSteps) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return kPlainShadow[static_cast<std::size_t>(step)];
}

const std::array<tRGB, kShadowSteps>& PlainShadowFactors() { return kPlainShadow; }

COLORREF ShadowBlend(const tRGB& f, COLORREF p) {
  const tRGB pixel = SplitRGB(p);
  auto blend = [](double factor, double channel) { return std::max(0.0, factor + channel - kMaxChannel); };
  return ComposeRGB({blend(f.Red, pixel.Red), blend(f.Green, pixel.Green), blend(f.Blue, pixel.Blue)});
}
