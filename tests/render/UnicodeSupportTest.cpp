// Text through the wide or the ANSI entry points, chosen once from the reported platform.
// On the NT family a caption reaches the screen as written; on the older family it goes
// through Windows-1252 first, so characters the code page lacks show as "?".
#include <string>

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "support/Pixels.h"
#include "render/TextEncoding.h"
#include "render/cMemDC.h"
#include "render/modFontConv.h"
#include "support/HeadlessTest.h"
#include "support/Values.h"
#include "win32/kernel.h"

namespace {

using mirel_test::Values;

using mirel_test::FillDC;
using mirel_test::InkBox;
using mirel_test::ReadPixels;
using mirel_test::SamePixels;
using mirel_test::SavePixels;

constexpr int kCanvasWidth = 140;
constexpr int kCanvasHeight = 30;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
// "Łódź €5": Ł and ź are not in Windows-1252, ó and the euro sign (0x80) are.
constexpr char kCaption[] = "\xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x82\xAC" "5";
constexpr char kCaptionAsAnsi[] = "?\xF3" "d? \x80" "5";
constexpr char16_t kCaptionAsWide[] = u"\u0141\u00F3d\u017A \u20AC5";

class UnicodeSupportTest : public mirel_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    canvas_.ChangeSize(kCanvasWidth, kCanvasHeight);
    font_ = FontFromStdFont(StdFont("Tahoma", 10));
    previousFont_ = SelectObject(canvas_.hdc(), font_);
    SetBkMode(canvas_.hdc(), TRANSPARENT);
  }
  void TearDown() override {
    SelectObject(canvas_.hdc(), previousFont_);
    DeleteObject(font_);
    win32::ResetSystemInfo();
    InitUnicodeSupport();
  }
  void RunOn(DWORD platformId) {
    win32::OsVersion version = win32::WindowsXpVersion();
    version.platformId = platformId;
    win32::SetOsVersion(version);
    InitUnicodeSupport();
  }
  HDC dc() const { return canvas_.hdc(); }
  void Clear() { FillDC(dc(), {0, 0, kCanvasWidth, kCanvasHeight}, RGB(255, 255, 255)); }
  win32::Surface Pixels() { return ReadPixels(dc(), kCanvasWidth, kCanvasHeight); }
  win32::Surface ViaAuto(const char* text) {
    Clear();
    DrawTextAuto(dc(), text, 4, 134, 2, 28, kCaptionFormat);
    return Pixels();
  }
  template <typename Char>
  win32::Surface Via(const Char* text) {
    Clear();
    RECT area{4, 2, 134, 28};
    if constexpr (sizeof(Char) == 1) {
      DrawTextA(dc(), text, -1, &area, kCaptionFormat);
    } else {
      DrawTextW(dc(), text, -1, &area, kCaptionFormat);
    }
    return Pixels();
  }

  cMemDC canvas_;
  HFONT font_ = nullptr;
  HGDIOBJ previousFont_ = nullptr;
};

TEST_F(UnicodeSupportTest, ThePlatformFamilyChoosesHowACaptionIsDrawn) {
  RunOn(VER_PLATFORM_WIN32s);
  EXPECT_FALSE(UseWideText());
  for (bool nt : {false, true}) {
    SCOPED_TRACE(nt ? "NT family" : "older family");
    RunOn(nt ? VER_PLATFORM_WIN32_NT : VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_EQ(UseWideText(), nt);
    const win32::Surface drawn = ViaAuto(kCaption);
    SavePixels(drawn, nt ? "render_caption_nt_platform" : "render_caption_ansi_platform");
    EXPECT_EQ(SamePixels(drawn, Via(kCaptionAsWide)), nt);
    EXPECT_EQ(SamePixels(drawn, Via(kCaptionAsAnsi)), !nt);
    if (!nt) {
      EXPECT_EQ(MeasureTextWidth(dc(), "\xC5\x81"), MeasureTextWidth(dc(), "?"));
    }
  }
}

TEST_F(UnicodeSupportTest, TheRectangleArgumentsComeLeftRightTopBottom) {
  constexpr UINT kBottomRight = DT_SINGLELINE | DT_RIGHT | DT_BOTTOM;
  for (DWORD platform : {VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_NT}) {
    RunOn(platform);
    Clear();
    RECT area{70, 5, 130, 25};
    const int expectedHeight = DrawTextW(dc(), u"Edit", -1, &area, kBottomRight);
    const win32::Surface expected = Pixels();
    Clear();
    EXPECT_EQ(DrawTextAuto(dc(), "Edit", 70, 130, 5, 25, kBottomRight), expectedHeight);
    const win32::Surface drawn = Pixels();
    EXPECT_TRUE(SamePixels(drawn, expected)) << "platform " << platform;
    // Inside the rectangle, right-aligned against x = 130.
    const RECT ink = InkBox(drawn);
    EXPECT_EQ(Values(ink.left >= 70, ink.top >= 5, ink.right <= 130, ink.bottom <= 25, ink.right > 120), "1 1 1 1 1");
  }
}

TEST_F(UnicodeSupportTest, MeasurementsFollowTheSameChoice) {
  for (DWORD platform : {VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_NT}) {
    RunOn(platform);
    SIZE expected{};
    GetTextExtentPoint32W(dc(), u"Qq", 2, &expected);
    EXPECT_EQ(Values(MeasureTextHeight(dc()), MeasureTextHeight(dc(), "Qq")), Values(expected.cy, expected.cy));
    GetTextExtentPoint32W(dc(), u"File \u00E9dition", 12, &expected);
    EXPECT_EQ(MeasureTextWidth(dc(), "File \xC3\xA9" "dition"), expected.cx) << "platform " << platform;
    EXPECT_EQ(MeasureTextWidth(dc(), ""), 0);
  }
}

TEST(TextEncoding, AnsiKeepsOneCharacterPerUtf16Unit) {
  struct Case {
    std::string utf8;
    std::string ansi;
  };
  const Case cases[] = {
      {"Plain", "Plain"},
      {"caf\xC3\xA9", "caf\xE9"},
      {"\xE2\x82\xAC\xE2\x80\x94", "\x80\x97"},          // euro sign, em dash
      {"\xCE\xA9\xE2\x9C\x93", "??"},                      // omega, check mark
      {"a\xF0\x9F\x98\x80" "b", "a??b"},                   // a surrogate pair gives two
      {std::string("x\0y", 3), std::string("x\0y", 3)},  // NULs pass through
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi) << c.utf8;
    EXPECT_EQ(Utf8ToAnsi(c.utf8).size(), Utf8ToWide(c.utf8).size()) << c.utf8;
  }
  EXPECT_EQ(Utf8ToWide("a\xF0\x9F\x98\x80"), u"a\U0001F600");
  EXPECT_EQ(Utf8ToWide("a\xFF" "b"), u"a\uFFFDb");
}

}  // namespace
