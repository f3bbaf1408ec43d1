// Choosing the theme from the system's visual style, as a control loading its properties
// with AutoSelectTheme meets it, on systems with and without visual styles.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "render/modThemes.h"
#include "win32/objcount.h"
#include "win32/system_info.h"

namespace {

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

struct DetectionCase {
  std::string file;
  std::string color;
  ctsThemes current;
  ctsThemes expected;
};

std::string Describe(const std::vector<DetectionCase>& cases, const std::vector<int>& actual) {
  std::ostringstream out;
  out << "file | colour | current | expected | actual\n";
  for (size_t i = 0; i < cases.size(); ++i) {
    out << cases[i].file << " | " << cases[i].color << " | " << cases[i].current << " | " << cases[i].expected
        << " | " << actual[i] << "\n";
  }
  return out.str();
}

TEST_F(ThemeDetectionTest, LunaColoursMapToThemesCaseSensitively) {
  const std::string luna = win32::LunaStyle("").fileName;
  const std::vector<DetectionCase> cases = {
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
  std::vector<int> actual;
  bool allMatch = true;
  for (const DetectionCase& c : cases) {
    win32::SetVisualStyle({true, c.file, c.color, "NormalSize"});
    actual.push_back(ThemeFromSystem(c.current, nullptr));
    allMatch = allMatch && actual.back() == c.expected;
  }
  EXPECT_TRUE(allMatch) << Describe(cases, actual);
}

TEST_F(ThemeDetectionTest, WithoutVisualStylesTheThemeStaysAsRead) {
  win32::SetOsVersion(win32::Windows2000Version());
  win32::SetVisualStyle(win32::LunaStyle("Metallic"));
  DetectVisualStyles();
  EXPECT_FALSE(VisualStylesAvailable());
  EXPECT_EQ(ThemeFromSystem(XPOlive, nullptr), XPOlive);
}

TEST_F(ThemeDetectionTest, ClassicLookLeavesTheThemeAsRead) {
  win32::SetVisualStyle(win32::ClassicStyle());
  EXPECT_TRUE(VisualStylesAvailable());
  EXPECT_EQ(ThemeFromSystem(XPSilver, nullptr), XPSilver);
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
