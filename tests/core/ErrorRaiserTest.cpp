// The one error raiser: code table, numbers, sources and descriptions as a host sees them.
#include <gtest/gtest.h>

#include <string>

#include "common/ErrorRaiser.h"
#include "support/Errors.h"
#include "support/MessageLog.h"

namespace {

using mirel_test::ErrorFrom;

constexpr std::int32_t kBase = static_cast<std::int32_t>(0x80040000u);

TEST(ErrorRaiserTest, CodesMapToTheirNumbersAndDescriptions) {
  struct Row {
    std::int32_t code;
    std::int32_t number;
    const char* description;
  };
  const Row table[] = {
      {1, 364, "Object has been unloaded."},
      {4, 13, "Type Mismatch."},
      {5, 457, "This key is already associated with an element of this collection."},
      {6, 9, "Subscript out of range."},
      {10, kBase + 25005, "Invalid Index.  Value must be an Integer >= 0."},
      {11, static_cast<std::int32_t>(0x800461AE),
       "Invalid timer interval. Value must be between 0 and 30000 milli-seconds."},
      {12, static_cast<std::int32_t>(0x800461AE), "Invalid style. Value must be between 0 and 7."},
      {15, static_cast<std::int32_t>(0x800461AF),
       "The ImageList property should be a Long value pointer to an ImageList.  To setup an ImageList object, "
       "use the SetImageList sub."},
  };
  mirel_test::Sequence expected;
  mirel_test::Sequence actual;
  const auto describe = [](std::int32_t code, std::int32_t number, const std::string& source, const std::string& text) {
    return std::to_string(code) + " -> " + std::to_string(number) + " " + source + " \"" + text + "\"";
  };
  for (const Row& row : table) {
    const auto raised = ErrorFrom([&] { RaiseError(row.code, "cMenus"); });
    expected.push_back(describe(row.code, row.number, "voxMirelMBar20.cMenus", row.description));
    actual.push_back(describe(row.code, raised.number, raised.source, raised.description));
  }
  // Codes outside the table are their own number, without description.
  for (std::int32_t code : {0, 16, 380, -7}) {
    const auto raised = ErrorFrom([&] { RaiseError(code, "MirelMenuBar"); });
    expected.push_back(describe(code, code, "voxMirelMBar20.MirelMenuBar", ""));
    actual.push_back(describe(code, raised.number, raised.source, raised.description));
  }
  EXPECT_TRUE(mirel_test::SameSequence(expected, actual));
}

}  // namespace
