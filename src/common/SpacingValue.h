// The spacing properties keep an internal value = visible value + a fixed offset; a let
// raises negative values to 0 and odd values to the next even number first.
#pragma once
#include <algorithm>
#include <cstdint>

#include "container/Variant.h"

namespace SpacingValue {

inline std::int16_t Internal(std::int16_t visible, std::int16_t offset) {
  std::int32_t value = visible < 0 ? 0 : visible;
  if (value % 2 != 0) ++value;
  return StoreInt16(value + offset);
}

// The value layout uses: a stored value below the smallest a let gives (saved settings load
// unchecked) counts as that smallest one, so rows never get a negative height.
inline std::int16_t Drawn(std::int16_t internal, std::int16_t offset) { return std::max(internal, offset); }

inline std::int16_t Visible(std::int16_t internal, std::int16_t offset) {
  return static_cast<std::int16_t>(internal - offset);
}

}  // namespace SpacingValue
