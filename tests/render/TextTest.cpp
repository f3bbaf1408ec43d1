// Text on surfaces: container fonts drawn exactly as the expected LOGFONT and unlike its
// neighbours; captions through the wide entry points on the NT family and through
// Windows-1252 (unknown characters as "?") on the older one.
#include <cstring>
#include <functional>
#include <string>

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "render/TextEncoding.h"
#include "render/modFontConv.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"
#include "win32/kernel.h"

namespace {

using namespace mirel_test;

constexpr int kCanvasWidth = 140;
constexpr int kCanvasHeight = 40;
constexpr char kSample[] = "Wg Qq 12";

LOGFONTA Expected(const std::string& face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONTA logFont{};
  logFont.lfHeight = height;
  logFont.lfWeight = weight;
  logFont.lfQuality = PROOF_QUALITY;
  std::strncpy(logFont.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return logFont;
}

// The sample drawn with `font` (deleted afterwards), and the font's metrics.
struct Rendering { win32::Surface pixels; TEXTMETRICA metrics{}; };
Rendering Render(HFONT font) {
  Canvas canvas(kCanvasWidth, kCanvasHeight);
  Selected selected(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  TextOutA(canvas.dc(), 2, 2, kSample, static_cast<int>(std::strlen(kSample)));
  Rendering r{canvas.Pixels()};
  GetTextMetricsA(canvas.dc(), &r.metrics);
  return r;
}
Rendering Render(const LOGFONTA& logFont) { return Render(CreateFontIndirectA(&logFont)); }

// "same" when `font` draws as the hand-made LOGFONT; that LOGFONT one pixel taller or shorter
// must draw differently, or the comparison would prove nothing.
std::string DrawsWithHeight(const StdFont& font, LONG height) {
  LOGFONTA logFont = Expected(font.Name(), height, font.Weight());
  const Rendering expected = Render(logFont);
  for (LONG neighbour : {height - 1, height + 1}) {
    logFont.lfHeight = neighbour;
    if (SamePixels(Render(logFont).pixels, expected.pixels)) return "height " + std::to_string(neighbour) + " draws alike";
  }
  const Rendering actual = Render(FontFromStdFont(font));
  const bool same = SamePixels(actual.pixels, expected.pixels) && actual.metrics.tmHeight == expected.metrics.tmHeight;
  return same ? "same" : "cell " + std::to_string(actual.metrics.tmHeight) + " vs " + std::to_string(expected.metrics.tmHeight);
}

using FontFromStdFontTest = HeadlessTest;

// Each row: the resolution, the size in points, the font height in pixels. 8.25 pt is exactly
// 11 px at 96 dpi; 9.375 pt is 12.5 px and 10.125 pt is 13.5 px: halves round to even.
TEST_F(FontFromStdFontTest, PointsBecomePixelsAtTheDesktopsResolution) {
  const struct {
    int dpi;
    double points;
    LONG height;
  } cases[] = {{96, 12, -16}, {96, 8.25, -11}, {96, 9.375, -12}, {96, 10.125, -14}, {96, 10, -13}, {120, 12, -20}};
  for (const auto& c : cases) {
    if (c.dpi != win32::TheDisplay().dpiY) ResetDesktop({.dpi = c.dpi});
    EXPECT_EQ(DrawsWithHeight(StdFont("Tahoma", c.points), c.height), "same") << c.points << " pt at " << c.dpi << " dpi";
  }
}

TEST_F(FontFromStdFontTest, AttributesCarryOverAndLongFaceNamesAreCut) {
  StdFont font("Tahoma", 12, true);
  font.SetItalic(true);
  font.SetUnderline(true);
  font.SetStrikethrough(true);
  LOGFONTA expected = Expected("Tahoma", -16, FW_BOLD);
  expected.lfItalic = expected.lfUnderline = expected.lfStrikeOut = 255;
  const Rendering actual = Render(FontFromStdFont(font));
  EXPECT_TRUE(SamePixels(actual.pixels, Render(expected).pixels));
  EXPECT_EQ(Values(actual.metrics.tmWeight, actual.metrics.tmItalic != 0, actual.metrics.tmUnderlined != 0,
                   actual.metrics.tmStruckOut != 0),
            Values(FW_BOLD, true, true, true));
  EXPECT_FALSE(SamePixels(actual.pixels, Render(Expected("Tahoma", -16)).pixels));

  // A face name beyond the field is cut and still gives a font: an ordinary object the caller
  // deletes, the desktop's DC released at once.
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  HFONT converted = FontFromStdFont(StdFont(std::string(40, 'x'), 9));
  ASSERT_NE(converted, nullptr);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Font), before.counts[static_cast<size_t>(win32::ObjectKind::Font)] + 1);
  EXPECT_TRUE(SamePixels(Render(converted).pixels, Render(Expected(std::string(31, 'x'), -12)).pixels));
  EXPECT_EQ(win32::SnapshotLiveObjects(), before);
}

class UnicodeSupportTest : public HeadlessTest {
 protected:
  void TearDown() override {
    win32::ResetSystemInfo();
    InitUnicodeSupport();
  }
};

// On each family: which entry point a caption takes ("Łódź €5": Ł and ź are not in
// Windows-1252, ó and the euro sign are), the rectangle arguments (left, right, top, bottom)
// and the measurements, which follow the same choice.
TEST_F(UnicodeSupportTest, ThePlatformFamilyChoosesHowACaptionIsDrawnAndMeasured) {
  constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
  constexpr UINT kBottomRight = DT_SINGLELINE | DT_RIGHT | DT_BOTTOM;
  Canvas canvas(kCanvasWidth, kCanvasHeight);
  HDC dc = canvas.dc();
  Selected font(dc, FontFromStdFont(StdFont("Tahoma", 10)));
  SetBkMode(dc, TRANSPARENT);
  const auto drawn = [&](const std::function<void()>& draw) {
    canvas.Fill(RECT{0, 0, kCanvasWidth, kCanvasHeight}, kWhite);
    draw();
    return canvas.Pixels();
  };
  const auto runOn = [](DWORD platformId) {
    win32::SetOsVersion({platformId, 5, 1, 2600, ""});
    InitUnicodeSupport();
  };
  runOn(VER_PLATFORM_WIN32s);
  EXPECT_FALSE(UseWideText());
  for (bool nt : {false, true}) {
    SCOPED_TRACE(nt ? "NT family" : "older family");
    runOn(nt ? VER_PLATFORM_WIN32_NT : VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_EQ(UseWideText(), nt);
    RECT area{4, 2, 134, 28};
    const win32::Surface caption = drawn([&] { DrawTextAuto(dc, "\xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x82\xAC" "5", 4, 134, 2, 28, kCaptionFormat); });
    EXPECT_EQ(SamePixels(caption, drawn([&] { DrawTextW(dc, u"\u0141\u00F3d\u017A \u20AC5", -1, &area, kCaptionFormat); })), nt);
    EXPECT_EQ(SamePixels(caption, drawn([&] { DrawTextA(dc, "?\xF3" "d? \x80" "5", -1, &area, kCaptionFormat); })), !nt);

    int height = 0;
    const win32::Surface expected = drawn([&] {
      RECT r{70, 5, 130, 25};
      height = DrawTextW(dc, u"Edit", -1, &r, kBottomRight);
    });
    int autoHeight = 0;
    const win32::Surface bottomRight = drawn([&] { autoHeight = DrawTextAuto(dc, "Edit", 70, 130, 5, 25, kBottomRight); });
    EXPECT_TRUE(SamePixels(bottomRight, expected) && autoHeight == height);

    SIZE qq{};
    SIZE accented{};
    GetTextExtentPoint32W(dc, u"Qq", 2, &qq);
    GetTextExtentPoint32W(dc, u"File \u00E9dition", 12, &accented);
    EXPECT_EQ(Values(MeasureTextHeight(dc), MeasureTextHeight(dc, "Qq"), MeasureTextWidth(dc, "File \xC3\xA9" "dition"),
                     MeasureTextWidth(dc, ""), MeasureTextWidth(dc, "\xC5\x81") == MeasureTextWidth(dc, "?")),
              Values(qq.cy, qq.cy, accented.cx, 0, !nt));
  }
}

TEST(TextEncoding, AnsiKeepsOneCharacterPerUtf16Unit) {
  struct Case { std::string utf8; std::string ansi; };
  const Case cases[] = {
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
