// What the control asks the system: version, theme names and handles, locale, thread id,
// and the kernel's arithmetic and memory helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "win32/kernel.h"
#include "win32/objcount.h"
#include "win32/uxtheme.h"

namespace {

class SystemQueryTest : public ::testing::Test {
 protected:
  void SetUp() override { win32::ResetSystemInfo(); }
  void TearDown() override { win32::ResetSystemInfo(); }
};

std::u16string Wide(const WCHAR* s) { return std::u16string(s); }

TEST_F(SystemQueryTest, VersionReportsTheConfiguredSystem) {
  win32::SetOsVersion({VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3000, " "});
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_WINDOWS);
  EXPECT_EQ(info.dwMajorVersion, 4u);
  EXPECT_EQ(info.dwMinorVersion, 90u);
  EXPECT_EQ(info.dwBuildNumber, 3000u);

  win32::ResetSystemInfo();
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
  EXPECT_EQ(info.dwMajorVersion, 5u);
  EXPECT_EQ(info.dwMinorVersion, 1u);
  EXPECT_STREQ(info.szCSDVersion, "Service Pack 2");

  OSVERSIONINFOA wrongSize{};
  wrongSize.dwOSVersionInfoSize = sizeof(wrongSize) - 1;
  EXPECT_FALSE(GetVersionExA(&wrongSize));
}

TEST_F(SystemQueryTest, ThemeNamesFollowTheConfiguredStyle) {
  win32::SetVisualStyle(win32::LunaStyle("Metallic"));
  WCHAR file[260] = {};
  WCHAR color[260] = {};
  WCHAR size[260] = {};
  EXPECT_TRUE(IsThemeActive());
  ASSERT_EQ(GetCurrentThemeName(file, 260, color, 260, size, 260), S_OK);
  EXPECT_EQ(Wide(file), u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles");
  EXPECT_EQ(Wide(color), u"Metallic");
  EXPECT_EQ(Wide(size), u"NormalSize");

  WCHAR shortColor[4] = {};
  ASSERT_EQ(GetCurrentThemeName(nullptr, 0, shortColor, 4, nullptr, 0), S_OK);
  EXPECT_EQ(Wide(shortColor), u"Met");

  win32::SetVisualStyle(win32::ClassicStyle());
  EXPECT_FALSE(IsThemeActive());
  EXPECT_TRUE(FAILED(GetCurrentThemeName(file, 260, color, 260, nullptr, 0)));
}

TEST_F(SystemQueryTest, ThemeHandlesAreCountedAndClosedOnce) {
  const long before = win32::LiveObjects(win32::ObjectKind::Theme);
  HTHEME explorer = OpenThemeData(nullptr, u"ExplorerBar");
  HTHEME fallback = OpenThemeData(nullptr, u"NoSuchClass;toolbar");
  ASSERT_NE(explorer, nullptr);
  ASSERT_NE(fallback, nullptr);
  EXPECT_NE(explorer, fallback);
  EXPECT_EQ(OpenThemeData(nullptr, u"NoSuchClass"), nullptr);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Theme), before + 2);
  EXPECT_EQ(CloseThemeData(explorer), S_OK);
  EXPECT_EQ(CloseThemeData(explorer), E_HANDLE);
  EXPECT_EQ(CloseThemeData(fallback), S_OK);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Theme), before);

  win32::SetVisualStyle(win32::ClassicStyle());
  EXPECT_EQ(OpenThemeData(nullptr, u"ExplorerBar"), nullptr);
}

TEST_F(SystemQueryTest, LocaleInformation) {
  char buffer[64] = {};
  EXPECT_EQ(GetUserDefaultLCID(), 0x0409u);
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof(buffer)), 5);
  EXPECT_STREQ(buffer, "1252");
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_SENGLANGUAGE, nullptr, 0), 8);

  win32::SetDefaultLocales(0x0419, 0x0407);
  EXPECT_EQ(GetUserDefaultLCID(), 0x0419u);
  EXPECT_EQ(GetSystemDefaultLCID(), 0x0407u);
  EXPECT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof(buffer)), 0);
  EXPECT_STREQ(buffer, "1251");
  EXPECT_GT(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SABBREVLANGNAME, buffer, sizeof(buffer)), 0);
  EXPECT_STREQ(buffer, "DEU");

  char tiny[2] = {};
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_SENGLANGUAGE, tiny, sizeof(tiny)), 0);
  EXPECT_EQ(GetLocaleInfoA(0x7777, LOCALE_SENGLANGUAGE, buffer, sizeof(buffer)), 0);
}

TEST_F(SystemQueryTest, ThreadIdIsStablePerThreadAndDistinctBetweenThreads) {
  const DWORD mine = GetCurrentThreadId();
  EXPECT_EQ(GetCurrentThreadId(), mine);
  DWORD other = 0;
  std::thread([&other] { other = GetCurrentThreadId(); }).join();
  EXPECT_NE(other, 0u);
  EXPECT_NE(other, mine);
}

TEST(KernelHelpers, MulDivRoundsHalfAwayFromZero) {
  struct Case {
    int number, numerator, denominator, expected;
  };
  const Case cases[] = {
      {12, 96, 72, 16}, {12, 120, 72, 20}, {5, 1, 2, 3},   {-5, 1, 2, -3},     {5, -1, 2, -3}, {-5, -1, -2, -3},
      {7, 3, 4, 5},     {1, 1, 0, -1},     {0x40000000, 4, 1, -1}, {2000000000, 3, 3, 2000000000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
  }
}

TEST(KernelHelpers, StringLengthAndMemoryMove) {
  EXPECT_EQ(lstrlenA("Menu"), 4);
  EXPECT_EQ(lstrlenA(""), 0);
  EXPECT_EQ(lstrlenA(nullptr), 0);
  char overlap[] = "abcdef";
  RtlMoveMemory(overlap + 2, overlap, 4);
  EXPECT_STREQ(overlap, "ababcd");
}

}  // namespace
