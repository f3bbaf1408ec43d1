// Kernel helpers, and the theme AutoSelectTheme chooses from the system's version, visual
// style, theme file and colour names, with and without visual styles.
#include <gtest/gtest.h>

#include <string>

#include "render/modThemes.h"
#include "support/MessageLog.h"
#include "support/Values.h"
#include "win32/kernel.h"
#include "win32/objcount.h"
#include "win32/system_info.h"

namespace {

using namespace mirel_test;

class ThemeDetectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetSystemInfo();
    DetectVisualStyles();
  }
  void TearDown() override { win32::ResetSystemInfo(); }
};

TEST(KernelHelpers, MulDiv) {
  // MulDiv rounds half away from zero and answers -1 for a zero divisor or an overflow.
  const struct { int number, numerator, denominator, expected; } cases[] = {
      {12, 96, 72, 16}, {12, 120, 72, 20}, {5, 1, 2, 3},   {-5, 1, 2, -3},     {5, -1, 2, -3}, {-5, -1, -2, -3},
      {7, 3, 4, 5},     {1, 1, 0, -1},     {0x40000000, 4, 1, -1}, {2000000000, 3, 3, 2000000000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected) << c.number << " * " << c.numerator << " / " << c.denominator;
  }
}

// Each row: the style's file and colour scheme, the theme read, the theme chosen. Detection
// closes every theme handle it opens.
TEST_F(ThemeDetectionTest, LunaColoursMapToThemesCaseSensitively) {
  const std::string luna = win32::LunaStyle("").fileName;
  const std::string lowerCaseLuna = "C:\\WINDOWS\\Resources\\Themes\\luna\\luna.msstyles";
  const std::string royale = "C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles";
  const struct {
    std::string file, color;
    ctsThemes current, expected;
    bool active = true;  // false: the classic look, no visual style active
  } cases[] = {
      {luna, "NormalColor", XPOlive, XPBlue}, {luna, "HomeStead", XPBlue, XPOlive},  {luna, "Metallic", XPBlue, XPSilver},
      {luna, "Metallic", XPOlive, XPSilver},  {luna, "metallic", XPOlive, XPOlive},  {luna, "homestead", XPBlue, XPBlue},
      {luna, "NORMALCOLOR", XPSilver, XPSilver}, {luna, "Homestead", XPSilver, XPSilver}, {luna, "Sunset", XPOlive, XPOlive},
      {lowerCaseLuna, "Metallic", XPBlue, XPBlue}, {lowerCaseLuna, "HomeStead", XPSilver, XPSilver},
      {royale, "NormalColor", XPOlive, XPOlive}, {"Luna.msstyles", "Metallic", XPBlue, XPBlue},
      {luna, "Metallic", XPOlive, XPOlive, false},
  };
  const long themesBefore = win32::LiveObjects(win32::ObjectKind::Theme);
  Sequence expected;
  Sequence actual;
  for (const auto& c : cases) {
    win32::SetVisualStyle({c.active, c.file, c.color, "NormalSize"});
    const std::string row = (c.active ? "" : "classic ") + c.file + " | " + c.color + " | " + std::to_string(c.current) + " -> ";
    expected.push_back(row + std::to_string(c.expected));
    actual.push_back(row + std::to_string(ThemeFromSystem(c.current, nullptr)));
  }
  EXPECT_TRUE(SameSequence(expected, actual)) << "file | colour | theme read -> theme chosen";
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Theme), themesBefore);
}

// Visual styles exist from version 5.1; without them the theme stays as read.
TEST_F(ThemeDetectionTest, WithoutVisualStylesTheThemeStaysAsRead) {
  win32::SetVisualStyle(win32::LunaStyle("Metallic"));
  std::string available;
  const struct { DWORD major, minor; } versions[] = {{4, 0}, {4, 90}, {5, 0}, {5, 1}, {5, 2}, {6, 0}, {10, 0}};
  for (const auto& v : versions) {
    win32::SetOsVersion({VER_PLATFORM_WIN32_NT, v.major, v.minor, 0, ""});
    DetectVisualStyles();
    available += std::to_string(v.major) + "." + std::to_string(v.minor) + (VisualStylesAvailable() ? "+ " : "- ");
  }
  EXPECT_EQ(available, "4.0- 4.90- 5.0- 5.1+ 5.2+ 6.0+ 10.0+ ");
  win32::SetOsVersion(win32::Windows2000Version());
  DetectVisualStyles();
  EXPECT_EQ(ThemeFromSystem(XPOlive, nullptr), XPOlive);
}

}  // namespace
