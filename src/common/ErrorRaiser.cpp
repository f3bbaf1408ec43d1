#include "common/ErrorRaiser.h"

#include <array>

#include "container/AutomationError.h"

namespace {

constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);

struct ErrorEntry {
  std::int32_t number;
  const char* description;
};

constexpr std::array<ErrorEntry, 15> kErrorTable{{
    {364, "Object has been unloaded."},
    {kObjectErrorBase + 25001, "ListBar does not exist."},
    {kObjectErrorBase + 25002, "ListItem does not exist."},
    {13, "Type Mismatch."},
    {457, "This key is already associated with an element of this collection."},
    {9, "Subscript out of range."},
    {7, "Out of Memory."},
    {kObjectErrorBase + 25003, "Header does not exist."},
    {kObjectErrorBase + 25004, "Failed to set group enable state."},
    {kObjectErrorBase + 25005, "Invalid Index.  Value must be an Integer >= 0."},
    {kObjectErrorBase + 25006, "Invalid timer interval. Value must be between 0 and 30000 milli-seconds."},
    {kObjectErrorBase + 25006, "Invalid style. Value must be between 0 and 7."},
    {kObjectErrorBase + 25006, "Invalid number of columns. Value must be greater than 0."},
    {kObjectErrorBase + 25006, "Invalid number of rows. Value must be greater than 0."},
    {kObjectErrorBase + 25007,
     "The ImageList property should be a Long value pointer to an ImageList.  To setup an ImageList "
     "object, use the SetImageList sub."},
}};

constexpr std::int32_t kImageListErrorNumber = kObjectErrorBase + 1049;
constexpr const char* kImageListErrorText =
    "ImageList property expects MirelImageList object or Long hImageList handle.";

}  // namespace

void RaiseError(std::int32_t code, std::string_view sourceName) {
  std::string source = std::string(kLibraryName) + "." + std::string(sourceName);
  if (code >= 1 && code <= static_cast<std::int32_t>(kErrorTable.size())) {
    const ErrorEntry& entry = kErrorTable[static_cast<size_t>(code - 1)];
    throw AutomationError(entry.number, std::move(source), entry.description);
  }
  throw AutomationError(code, std::move(source), "");
}

void RaiseImageListError(std::string_view sourcePrefix) {
  throw AutomationError(kImageListErrorNumber, std::string(sourcePrefix) + std::string(kLibraryName),
                        kImageListErrorText);
}
