// Container fonts become GDI fonts at the desktop's resolution. A converted font must draw
// exactly as a font made by hand from the expected LOGFONT, and differently from its
// neighbours, so that the comparison really tells the height and attributes apart.
#include <cstring>
#include <string>

#include "container/StdFont.h"
#include "support/Pixels.h"
#include "render/cMemDC.h"
#include "render/modFontConv.h"
#include "support/HeadlessTest.h"
#include "support/Values.h"

namespace {

using mirel_test::Values;

using mirel_test::FillDC;
using mirel_test::ReadPixels;
using mirel_test::SamePixels;
using mirel_test::SavePixels;

constexpr int kCanvasWidth = 120;
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

}  // namespace
