// Text on surfaces. Container fonts become GDI fonts at the desktop's resolution: a converted
// font must draw exactly as a font made by hand from the expected LOGFONT, and differently from
// its neighbours, so that the comparison really tells the height and attributes apart. Text
// goes through the wide or the ANSI entry points, chosen once from the reported platform: on
// the NT family a caption reaches the screen as written; on the older family it goes through
// Windows-1252 first, so characters the code page lacks show as "?".
#include <cstring>
#include <string>

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "render/TextEncoding.h"
#include "render/cMemDC.h"
#include "render/modFontConv.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"
#include "win32/kernel.h"

namespace {

using mirel_test::FillDC;
using mirel_test::InkBox;
using mirel_test::ReadPixels;
using mirel_test::SamePixels;
using mirel_test::SavePixels;
using mirel_test::Values;

constexpr int kCanvasWidth = 140;
constexpr int kCanvasHeight = 40;
constexpr char kSample[] = "Wg Qq 12";

LOGFONTA Expected(const char* face, LONG height) {
  LOGFONTA logFont{};
  logFont.lfHeight = height;
  logFont.lfWeight = FW_NORMAL;
  logFont.lfQuality = PROOF_QUALITY;
  std::strncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
  return logFont;
}

class FontFromStdFontTest : public mirel_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    canvas_.ChangeSize(kCanvasWidth, kCanvasHeight);
  }

  // The sample drawn with `font` (deleted afterwards), and its metrics.
  struct Rendering {
    win32::Surface pixels;
    TEXTMETRICA metrics{};
  };
  Rendering Render(HFONT font) {
    Rendering r;
    FillDC(canvas_.hdc(), {0, 0, kCanvasWidth, kCanvasHeight}, RGB(255, 255, 255));
    HGDIOBJ previous = SelectObject(canvas_.hdc(), font);
    SetBkMode(canvas_.hdc(), TRANSPARENT);
    TextOutA(canvas_.hdc(), 2, 2, kSample, static_cast<int>(std::strlen(kSample)));
    GetTextMetricsA(canvas_.hdc(), &r.metrics);
    SelectObject(canvas_.hdc(), previous);
    DeleteObject(font);
    r.pixels = ReadPixels(canvas_.hdc(), kCanvasWidth, kCanvasHeight);
    return r;
  }
  Rendering Render(const LOGFONTA& logFont) { return Render(CreateFontIndirectA(&logFont)); }
  Rendering Render(const StdFont& font) {
    HFONT converted = FontFromStdFont(font);
    EXPECT_NE(converted, nullptr);
    return Render(converted);
  }

  // True when `font` draws as the hand-made LOGFONT and unlike the same LOGFONT one pixel
  // taller and one pixel shorter.
  ::testing::AssertionResult DrawsWithHeight(const StdFont& font, LONG height) {
    const Rendering actual = Render(font);
    LOGFONTA logFont = Expected(font.Name().c_str(), height);
    logFont.lfWeight = font.Weight();
    const Rendering expected = Render(logFont);
    for (LONG neighbour : {height - 1, height + 1}) {
      logFont.lfHeight = neighbour;
      if (SamePixels(Render(logFont).pixels, expected.pixels)) {
        return ::testing::AssertionFailure() << "height " << neighbour << " draws like " << height;
      }
    }
    if (!SamePixels(actual.pixels, expected.pixels) || actual.metrics.tmHeight != expected.metrics.tmHeight) {
      return ::testing::AssertionFailure() << "draws unlike LOGFONT height " << height << " (cell "
                                           << actual.metrics.tmHeight << " vs " << expected.metrics.tmHeight << ")";
    }
    return ::testing::AssertionSuccess();
  }

  cMemDC canvas_;
};

TEST_F(FontFromStdFontTest, TwelvePointsAreSixteenPixelsAt96DpiAndTwentyAt120) {
  const StdFont font("Tahoma", 12);
  EXPECT_TRUE(DrawsWithHeight(font, -16));
  SavePixels(Render(font).pixels, "render_font_tahoma12_96dpi");
  ResetDesktop({.dpi = 120});
  EXPECT_TRUE(DrawsWithHeight(font, -20));
  SavePixels(Render(font).pixels, "render_font_tahoma12_120dpi");
}

TEST_F(FontFromStdFontTest, HeightsRoundHalfToEven) {
  struct Case {
    double points;
    LONG height;
  };
  // 8.25 pt is exactly 11 px; 9.375 pt is 12.5 px and 10.125 pt is 13.5 px at 96 dpi.
  for (const Case c : {Case{8.25, -11}, Case{9.375, -12}, Case{10.125, -14}, Case{10, -13}}) {
    EXPECT_TRUE(DrawsWithHeight(StdFont("Tahoma", c.points), c.height)) << c.points << " pt";
  }
}

TEST_F(FontFromStdFontTest, WeightItalicUnderlineAndStrikeOutCarryOver) {
  StdFont font("Tahoma", 12, true);
  font.SetItalic(true);
  font.SetUnderline(true);
  font.SetStrikethrough(true);
  LOGFONTA expected = Expected("Tahoma", -16);
  expected.lfWeight = FW_BOLD;
  expected.lfItalic = 255;
  expected.lfUnderline = 255;
  expected.lfStrikeOut = 255;
  const Rendering actual = Render(font);
  SavePixels(actual.pixels, "render_font_tahoma12_bold_italic_underline_strike");
  EXPECT_TRUE(SamePixels(actual.pixels, Render(expected).pixels));
  EXPECT_EQ(Values(actual.metrics.tmWeight, actual.metrics.tmItalic != 0, actual.metrics.tmUnderlined != 0,
                   actual.metrics.tmStruckOut != 0),
            Values(FW_BOLD, true, true, true));
  EXPECT_FALSE(SamePixels(actual.pixels, Render(Expected("Tahoma", -16)).pixels));
}

TEST_F(FontFromStdFontTest, AFaceNameBeyondTheFieldIsCutAndStillGivesAFont) {
  const std::string longName(40, 'x');
  const StdFont font(longName, 9);
  HFONT converted = FontFromStdFont(font);
  ASSERT_NE(converted, nullptr);
  EXPECT_TRUE(SamePixels(Render(converted).pixels, Render(Expected(std::string(31, 'x').c_str(), -12)).pixels));
}

TEST_F(FontFromStdFontTest, ConvertedFontsAreOrdinaryObjectsTheCallerDeletes) {
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  HFONT font = FontFromStdFont(StdFont("MS Sans Serif", 8.25));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Font), before.counts[static_cast<size_t>(win32::ObjectKind::Font)] + 1);
  DeleteObject(font);
  EXPECT_EQ(win32::SnapshotLiveObjects(), before);  // the desktop's DC was released at once
}

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
