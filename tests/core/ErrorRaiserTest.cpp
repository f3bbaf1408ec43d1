// The one error raiser: code table, numbers, sources and descriptions as a host sees them.
#include <gtest/gtest.h>

#include "common/ErrorRaiser.h"
#include "support/Errors.h"

namespace {

using namespace mirel_test;

// Codes outside the table (0, 16, 380, -7) are their own number, without description.
TEST(ErrorRaiserTest, CodesMapToTheirNumbersAndDescriptions) {
  const auto timer = [](const char* what) {
    return RaisedError{static_cast<std::int32_t>(0x800461AE), "voxMirelMBar20.cMenus", what};
  };
  const auto own = [](std::int32_t code) {
    return ErrorRow{std::to_string(code), [code] { RaiseError(code, "MirelMenuBar"); },
                    {code, "voxMirelMBar20.MirelMenuBar", ""}};
  };
  const auto row = [](std::int32_t code, RaisedError error) {
    return ErrorRow{std::to_string(code), [code] { RaiseError(code, "cMenus"); }, std::move(error)};
  };
  EXPECT_TRUE(SameErrors(
      {row(6, {9, "voxMirelMBar20.cMenus", "Subscript out of range."}),
       row(10, {kObjectErrorBase + 25005, "voxMirelMBar20.cMenus", "Invalid Index.  Value must be an Integer >= 0."}),
       row(11, timer("Invalid timer interval. Value must be between 0 and 30000 milli-seconds.")),
       row(12, timer("Invalid style. Value must be between 0 and 7.")),
       row(15, {static_cast<std::int32_t>(0x800461AF), "voxMirelMBar20.cMenus",
                "The ImageList property should be a Long value pointer to an ImageList.  To setup an ImageList "
                "object, use the SetImageList sub."}),
       own(0), own(16), own(380), own(-7)}));
}

}  // namespace
