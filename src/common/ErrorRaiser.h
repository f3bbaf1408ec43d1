// The one error raiser of the library: turns an internal error code and the caller's
// source name into the automation error the host receives.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Internal error codes (index into the code table).
enum class ErrorCode : std::int32_t {
  ObjectUnloaded = 1,
  ListBarMissing = 2,
  ListItemMissing = 3,
  TypeMismatch = 4,
  KeyInUse = 5,
  SubscriptOutOfRange = 6,
  OutOfMemory = 7,
  HeaderMissing = 8,
  GroupEnableFailed = 9,
  InvalidIndex = 10,
  InvalidTimerInterval = 11,
  InvalidStyle = 12,
  InvalidColumns = 13,
  InvalidRows = 14,
  ImageListPointer = 15,
};

// The library's executable name: the first part of every error source.
inline constexpr std::string_view kLibraryName = "voxMirelMBar20";

// Raises code `code` (1..15 from the table; any other value becomes the error number with an
// empty description) with source "voxMirelMBar20.<sourceName>". Never returns.
[[noreturn]] void RaiseError(std::int32_t code, std::string_view sourceName);
[[noreturn]] inline void RaiseError(ErrorCode code, std::string_view sourceName) {
  RaiseError(static_cast<std::int32_t>(code), sourceName);
}

// The image-list error, raised directly with its own source prefix:
// "MirelSuiteMenuBar." (SetImageList) or "MirelSuiteMenuBar Add Drop." (DropDowns.Add).
inline constexpr std::string_view kImageListSourceSetImageList = "MirelSuiteMenuBar.";
inline constexpr std::string_view kImageListSourceAddDrop = "MirelSuiteMenuBar Add Drop.";
[[noreturn]] void RaiseImageListError(std::string_view sourcePrefix);
