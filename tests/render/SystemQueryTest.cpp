// What the control asks the system: version, theme names and handles, locale, thread id,
// and the kernel's arithmetic and memory helpers.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "support/Values.h"
#include "win32/kernel.h"
#include "win32/objcount.h"
#include "win32/uxtheme.h"

namespace {

using mirel_test::Values;

class SystemQueryTest : public ::testing::Test {
 protected:
  void SetUp() override { win32::ResetSystemInfo(); }
  void TearDown() override { win32::ResetSystemInfo(); }
};

std::string Narrow(const WCHAR* s) {
  std::string text;
  for (; *s != 0; ++s) text += static_cast<char>(*s);
  return text;
}

TEST_F(SystemQueryTest, VersionReportsTheConfiguredSystem) {
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
}

TEST_F(SystemQueryTest, ThemeNamesAndHandlesFollowTheConfiguredStyle) {
  win32::SetVisualStyle(win32::LunaStyle("Metallic"));
  WCHAR file[260] = {};
  WCHAR color[260] = {};
  WCHAR size[260] = {};
  WCHAR shortColor[4] = {};
  ASSERT_EQ(GetCurrentThemeName(file, 260, color, 260, size, 260), S_OK);
  ASSERT_EQ(GetCurrentThemeName(nullptr, 0, shortColor, 4, nullptr, 0), S_OK);
  EXPECT_EQ(Values(IsThemeActive(), Narrow(file), Narrow(color), Narrow(size), Narrow(shortColor)),
            "1 C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles Metallic NormalSize Met");

  // Handles are counted and closed once; an unknown class falls back to the next one listed.
  const long before = win32::LiveObjects(win32::ObjectKind::Theme);
  HTHEME explorer = OpenThemeData(nullptr, u"ExplorerBar");
  HTHEME fallback = OpenThemeData(nullptr, u"NoSuchClass;toolbar");
  ASSERT_TRUE(explorer != nullptr && fallback != nullptr && explorer != fallback);
  EXPECT_EQ(OpenThemeData(nullptr, u"NoSuchClass"), nullptr);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Theme), before + 2);
  const HRESULT closed = CloseThemeData(explorer);
  const HRESULT again = CloseThemeData(explorer);
  EXPECT_EQ(Values(closed, again, CloseThemeData(fallback)), Values(S_OK, E_HANDLE, S_OK));
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Theme), before);

  win32::SetVisualStyle(win32::ClassicStyle());
  EXPECT_FALSE(IsThemeActive());
  EXPECT_TRUE(FAILED(GetCurrentThemeName(file, 260, color, 260, nullptr, 0)));
  EXPECT_EQ(OpenThemeData(nullptr, u"ExplorerBar"), nullptr);
}

TEST_F(SystemQueryTest, LocaleInformation) {
  const auto info = [](LCID locale, LCTYPE type, int size = 64) {
    char buffer[64] = {};
    const int length = GetLocaleInfoA(locale, type, buffer, size);
    return std::to_string(length) + " " + buffer;
  };
  EXPECT_EQ(GetUserDefaultLCID(), 0x0409u);
  EXPECT_EQ(info(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE), "5 1252");
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_SENGLANGUAGE, nullptr, 0), 8);
  EXPECT_EQ(info(0x0409, LOCALE_SENGLANGUAGE, 2), "0 ") << "too small a buffer";
  EXPECT_EQ(info(0x7777, LOCALE_SENGLANGUAGE), "0 ") << "an unknown locale";
  win32::SetDefaultLocales(0x0419, 0x0407);
  EXPECT_EQ(Values(GetUserDefaultLCID(), GetSystemDefaultLCID()), Values(0x0419u, 0x0407u));
  EXPECT_EQ(info(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE), "5 1251");
  EXPECT_EQ(info(LOCALE_SYSTEM_DEFAULT, LOCALE_SABBREVLANGNAME), "4 DEU");
}

TEST(KernelHelpers, ThreadIdsMulDivStringLengthAndMemoryMove) {
  const DWORD mine = GetCurrentThreadId();
  DWORD other = 0;
  std::thread([&other] { other = GetCurrentThreadId(); }).join();
  EXPECT_EQ(Values(GetCurrentThreadId() == mine, other != 0, other != mine), "1 1 1");

  // MulDiv rounds half away from zero and answers -1 for a zero divisor or an overflow.
  const struct {
    int number, numerator, denominator, expected;
  } cases[] = {
      {12, 96, 72, 16}, {12, 120, 72, 20}, {5, 1, 2, 3},   {-5, 1, 2, -3},     {5, -1, 2, -3}, {-5, -1, -2, -3},
      {7, 3, 4, 5},     {1, 1, 0, -1},     {0x40000000, 4, 1, -1}, {2000000000, 3, 3, 2000000000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected) << c.number << " * " << c.numerator << " / " << c.denominator;
  }
  EXPECT_EQ(Values(lstrlenA("Menu"), lstrlenA(""), lstrlenA(nullptr)), "4 0 0");
  char overlap[] = "abcdef";
  RtlMoveMemory(overlap + 2, overlap, 4);
  EXPECT_STREQ(overlap, "ababcd");
}

}  // namespace
