// The one error raiser: code table, numbers, sources and descriptions as a host sees them.
#include <gtest/gtest.h>

#include <string>

#include "container/AutomationError.h"
#include "core/ErrorRaiser.h"

namespace {

struct Raised {
  std::int32_t number;
  std::string source;
  std::string description;
};

Raised Raise(std::int32_t code, const char* source) {
  try {
    RaiseError(code, source);
  } catch (const AutomationError& error) {
    return {error.Number(), error.Source(), error.Description()};
  }
  return {};
}

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
  for (const Row& row : table) {
    const Raised raised = Raise(row.code, "cMenus");
    EXPECT_EQ(raised.number, row.number) << "code " << row.code;
    EXPECT_EQ(raised.description, row.description) << "code " << row.code;
    EXPECT_EQ(raised.source, "voxMirelMBar20.cMenus");
  }
}

TEST(ErrorRaiserTest, CodesOutsideTheTableAreTheirOwnNumberWithoutDescription) {
  for (std::int32_t code : {0, 16, 380, -7}) {
    const Raised raised = Raise(code, "MirelMenuBar");
    EXPECT_EQ(raised.number, code);
    EXPECT_EQ(raised.description, "");
    EXPECT_EQ(raised.source, "voxMirelMBar20.MirelMenuBar");
  }
}

TEST(ErrorRaiserTest, ImageListErrorCarriesItsOwnSourcePrefix) {
  try {
    RaiseImageListError(kImageListSourceSetImageList);
    FAIL();
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), static_cast<std::int32_t>(0x80040419));
    EXPECT_EQ(error.Source(), "MirelSuiteMenuBar.voxMirelMBar20");
    EXPECT_EQ(error.Description(), "ImageList property expects MirelImageList object or Long hImageList handle.");
  }
}

}  // namespace
