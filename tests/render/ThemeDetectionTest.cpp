// Choosing the theme from the system's visual style, as a control loading its properties
// with AutoSelectTheme meets it, on systems with and without visual styles.
#include <gtest/gtest.h>

#include <string>

#include "render/modThemes.h"
#include "support/MessageLog.h"
#include "support/Values.h"
#include "win32/objcount.h"
#include "win32/system_info.h"

namespace {

using mirel_test::Values;

constexpr const char* kLowerCaseLunaFile = "C:\\WINDOWS\\Resources\\Themes\\luna\\luna.msstyles";
constexpr const char* kRoyaleFile = "C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles";

class ThemeDetectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetSystemInfo();
    DetectVisualStyles();
  }
  void TearDown() override { win32::ResetSystemInfo(); }
};

TEST_F(ThemeDetectionTest, LunaColoursMapToThemesCaseSensitively) {
  const std::string luna = win32::LunaStyle("").fileName;
  const struct {
    std::string file;
    std::string color;
    ctsThemes current;
    ctsThemes expected;
  } cases[] = {
      {luna, "NormalColor", XPOlive, XPBlue},
      {luna, "HomeStead", XPBlue, XPOlive},
      {luna, "Metallic", XPBlue, XPSilver},
      {luna, "Metallic", XPOlive, XPSilver},
      {luna, "metallic", XPOlive, XPOlive},
      {luna, "homestead", XPBlue, XPBlue},
      {luna, "NORMALCOLOR", XPSilver, XPSilver},
      {luna, "Homestead", XPSilver, XPSilver},
      {luna, "Sunset", XPOlive, XPOlive},
      {kLowerCaseLunaFile, "Metallic", XPBlue, XPBlue},
      {kLowerCaseLunaFile, "HomeStead", XPSilver, XPSilver},
      {kRoyaleFile, "NormalColor", XPOlive, XPOlive},
      {"Luna.msstyles", "Metallic", XPBlue, XPBlue},
  };
  mirel_test::Sequence expected;
  mirel_test::Sequence actual;
  for (const auto& c : cases) {
    win32::SetVisualStyle({true, c.file, c.color, "NormalSize"});
    const std::string row = c.file + " | " + c.color + " | " + std::to_string(c.current) + " -> ";
    expected.push_back(row + std::to_string(c.expected));
    actual.push_back(row + std::to_string(ThemeFromSystem(c.current, nullptr)));
  }
  EXPECT_TRUE(mirel_test::SameSequence(expected, actual)) << "file | colour | theme read -> theme chosen";
}

TEST_F(ThemeDetectionTest, ClassicLookOrNoVisualStylesLeavesTheThemeAsRead) {
  win32::SetVisualStyle(win32::ClassicStyle());
  EXPECT_EQ(Values(VisualStylesAvailable(), ThemeFromSystem(XPSilver, nullptr)), Values(true, XPSilver));
  win32::SetOsVersion(win32::Windows2000Version());
  win32::SetVisualStyle(win32::LunaStyle("Metallic"));
  DetectVisualStyles();
  EXPECT_EQ(Values(VisualStylesAvailable(), ThemeFromSystem(XPOlive, nullptr)), Values(false, XPOlive));
}

TEST_F(ThemeDetectionTest, DetectionClosesTheThemeItOpens) {
  const long before = win32::LiveObjects(win32::ObjectKind::Theme);
  win32::SetVisualStyle(win32::LunaStyle("HomeStead"));
  EXPECT_EQ(ThemeFromSystem(XPBlue, nullptr), XPOlive);
  win32::SetVisualStyle(win32::LunaStyle("Other"));
  EXPECT_EQ(ThemeFromSystem(XPBlue, nullptr), XPBlue);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Theme), before);
}

TEST_F(ThemeDetectionTest, VisualStylesExistFromVersionFivePointOne) {
  struct Version {
    DWORD major, minor;
    bool available;
  };
  const Version versions[] = {{4, 0, false}, {4, 90, false}, {5, 0, false}, {5, 1, true},
                              {5, 2, true},  {6, 0, true},   {10, 0, true}};
  for (const Version& v : versions) {
    win32::SetOsVersion({VER_PLATFORM_WIN32_NT, v.major, v.minor, 0, ""});
    DetectVisualStyles();
    EXPECT_EQ(VisualStylesAvailable(), v.available) << v.major << "." << v.minor;
  }
}

}  // namespace
