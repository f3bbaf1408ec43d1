// The one error raiser: code table, numbers, sources and descriptions as a host sees them.
#include <gtest/gtest.h>

#include <string>

#include "common/ErrorRaiser.h"
#include "support/Errors.h"
#include "support/MessageLog.h"

namespace {

// Codes outside the table (0, 16, 380, -7) are their own number, without description.
TEST(ErrorRaiserTest, CodesMapToTheirNumbersAndDescriptions) {
  constexpr std::int32_t kBase = static_cast<std::int32_t>(0x80040000u);
  constexpr auto kTimer = static_cast<std::int32_t>(0x800461AE);
  const struct {
    std::int32_t code;
    std::int32_t number;
    const char* description;
    const char* source = "cMenus";
  } table[] = {
      {1, 364, "Object has been unloaded."},
      {4, 13, "Type Mismatch."},
      {5, 457, "This key is already associated with an element of this collection."},
      {6, 9, "Subscript out of range."},
      {10, kBase + 25005, "Invalid Index.  Value must be an Integer >= 0."},
      {11, kTimer, "Invalid timer interval. Value must be between 0 and 30000 milli-seconds."},
      {12, kTimer, "Invalid style. Value must be between 0 and 7."},
      {15, static_cast<std::int32_t>(0x800461AF),
       "The ImageList property should be a Long value pointer to an ImageList.  To setup an ImageList object, "
       "use the SetImageList sub."},
      {0, 0, "", "MirelMenuBar"},
      {16, 16, "", "MirelMenuBar"},
      {380, 380, "", "MirelMenuBar"},
      {-7, -7, "", "MirelMenuBar"},
  };
  mirel_test::Sequence expected;
  mirel_test::Sequence actual;
  for (const auto& row : table) {
    const auto raised = mirel_test::ErrorFrom([&] { RaiseError(row.code, row.source); });
    const std::string code = std::to_string(row.code) + " -> ";
    expected.push_back(code + std::to_string(row.number) + " voxMirelMBar20." + row.source + " " + row.description);
    actual.push_back(code + std::to_string(raised.number) + " " + raised.source + " " + raised.description);
  }
  EXPECT_TRUE(mirel_test::SameSequence(expected, actual));
}

}  // namespace
