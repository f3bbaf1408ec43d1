// What the control asks the system (version, theme names and handles, kernel helpers)
// and the theme AutoSelectTheme chooses from the visual style, with and without visual styles.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "render/modThemes.h"
#include "support/MessageLog.h"
#include "support/Values.h"
#include "win32/kernel.h"
#include "win32/objcount.h"
#include "win32/system_info.h"
#include "win32/uxtheme.h"

namespace {

using namespace mirel_test;

class SystemQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetSystemInfo();
    DetectVisualStyles();
  }
  void TearDown() override { win32::ResetSystemInfo(); }
};
using ThemeDetectionTest = SystemQueryTest;

std::string Narrow(const WCHAR* s) {
  std::string text;
  for (; *s != 0; ++s) text += static_cast<char>(*s);
  return text;
}

// The version and the theme's names and handles follow the configured system. Theme handles
// are counted and closed once; an unknown class falls back to the next one listed.
TEST_F(SystemQueryTest, VersionAndThemeFollowTheConfiguredSystem) {
  const auto version = [] {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    const BOOL answered = GetVersionExA(&info);
    return Values(answered, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                  std::string(info.szCSDVersion));
  };
  EXPECT_EQ(version(), "1 2 5 1 2600 Service Pack 2");
  win32::SetOsVersion({VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3000, "A"});
  EXPECT_EQ(version(), Values(1, VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3000, "A"));
  OSVERSIONINFOA wrongSize{};
  wrongSize.dwOSVersionInfoSize = sizeof(wrongSize) - 1;
  EXPECT_FALSE(GetVersionExA(&wrongSize));

  win32::SetVisualStyle(win32::LunaStyle("Metallic"));
  WCHAR file[260] = {};
  WCHAR color[260] = {};
  WCHAR size[260] = {};
  WCHAR shortColor[4] = {};
  ASSERT_EQ(GetCurrentThemeName(file, 260, color, 260, size, 260), S_OK);
  ASSERT_EQ(GetCurrentThemeName(nullptr, 0, shortColor, 4, nullptr, 0), S_OK);
  EXPECT_EQ(Values(IsThemeActive(), Narrow(file), Narrow(color), Narrow(size), Narrow(shortColor)),
            "1 C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles Metallic NormalSize Met");
  const long before = win32::LiveObjects(win32::ObjectKind::Theme);
  HTHEME explorer = OpenThemeData(nullptr, u"ExplorerBar");
  HTHEME fallback = OpenThemeData(nullptr, u"NoSuchClass;toolbar");
  ASSERT_TRUE(explorer != nullptr && fallback != nullptr && explorer != fallback);
  EXPECT_EQ(Values(OpenThemeData(nullptr, u"NoSuchClass"), win32::LiveObjects(win32::ObjectKind::Theme)), Values(HTHEME{}, before + 2));
  const HRESULT closed = CloseThemeData(explorer);
  const HRESULT again = CloseThemeData(explorer);
  EXPECT_EQ(Values(closed, again, CloseThemeData(fallback)), Values(S_OK, E_HANDLE, S_OK));
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Theme), before);
  win32::SetVisualStyle(win32::ClassicStyle());
  EXPECT_EQ(Values(IsThemeActive(), FAILED(GetCurrentThemeName(file, 260, color, 260, nullptr, 0)), OpenThemeData(nullptr, u"ExplorerBar")),
            Values(0, true, HTHEME{}));
}

TEST(KernelHelpers, ThreadIdsAndMulDiv) {
  const DWORD mine = GetCurrentThreadId();
  DWORD other = 0;
  std::thread([&other] { other = GetCurrentThreadId(); }).join();
  EXPECT_EQ(Values(GetCurrentThreadId() == mine, other != 0, other != mine), "1 1 1");

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
