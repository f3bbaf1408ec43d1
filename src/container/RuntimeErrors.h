// Runtime errors beyond the three every caller knows (6, 9, 13): the file, picture, property
// and Null errors the container's objects raise, with the runtime's own descriptions.
#pragma once
#include <cstdint>
#include <string_view>

namespace runtime_error_number {
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t PathFileAccessError = 75;
inline constexpr std::int32_t InvalidUseOfNull = 94;
inline constexpr std::int32_t DataValueNotFound = 327;
inline constexpr std::int32_t InvalidPropertyValue = 380;
inline constexpr std::int32_t InvalidPicture = 481;
}  // namespace runtime_error_number

// Raises `number` (one of the above, or 6, 9, 13) with its description and `source`.
[[noreturn]] void RaiseRuntimeErrorFrom(std::int32_t number, std::string_view source);
