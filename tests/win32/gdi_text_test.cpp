// Text: real font metrics, TextOut, DrawText layout and prefixes, DrawState, a sample PNG.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <algorithm>
#include <cstring>
#include <utility>
#include <string>

#include "support/Pixels.h"
#include "support/Values.h"

namespace {

using namespace mirel_test;

constexpr LONG kEightPoint = -11;  // 8 points at 96 dpi
constexpr UINT kLine = DT_SINGLELINE | DT_NOCLIP;

HFONT MakeFont(const char* face, LONG height, LONG weight = FW_NORMAL, BYTE charset = DEFAULT_CHARSET) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = charset;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}
HFONT Tahoma8() { return MakeFont("Tahoma", kEightPoint); }

// A canvas with a font (8-point Tahoma unless given) selected for its lifetime.
class TextCanvas : public Canvas {
 public:
  TextCanvas(int width, int height, COLORREF fill = kWhite, HFONT font = Tahoma8())
      : Canvas(width, height, fill), font_(dc(), font) {}

 private:
  Selected font_;
};

SIZE Extent(HDC dc, const char* text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  return size;
}

TEXTMETRICA Metrics(HDC dc) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  return tm;
}

// Pixels of one canvas shifted by (dx, dy) against another: true when all match.
bool SameShifted(const Canvas& a, const Canvas& b, int dx, int dy) {
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const int bx = x + dx;
      const int by = y + dy;
      const COLORREF other = (bx >= 0 && by >= 0 && bx < b.width() && by < b.height()) ? b.At(bx, by) : kWhite;
      if (a.At(x, y) != other) return false;
    }
  }
  return true;
}
bool SameInk(const Canvas& a, const Canvas& b) { return SamePixels(a.Pixels(), b.Pixels()); }

int Draw(const Canvas& c, const char* text, RECT r, UINT format) {
  return DrawTextA(c.dc(), text, -1, &r, format);
}

TEST(GdiTextMetrics, HeightOfWgIsTheFontsOwnCellHeight) {
  // The cell Windows uses is the font's OS/2 "win" ascent plus descent at the em size.
  FT_Library library = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  FT_Face face = nullptr;
  ASSERT_EQ(FT_New_Face(library, "/usr/share/wine/fonts/tahoma.ttf", 0, &face), 0);
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  ASSERT_NE(os2, nullptr);
  const double scale = static_cast<double>(-kEightPoint) / face->units_per_EM;
  const long ascent = std::lround(os2->usWinAscent * scale);
  const long descent = std::lround(os2->usWinDescent * scale);
  FT_Done_Face(face);
  FT_Done_FreeType(library);

  TextCanvas c(10, 10);
  const TEXTMETRICA tm = Metrics(c.dc());
  EXPECT_EQ(Values(tm.tmAscent, tm.tmDescent, Extent(c.dc(), "Wg").cy, tm.tmHeight, tm.tmInternalLeading),
            Values(ascent, descent, ascent + descent, ascent + descent, ascent + descent + kEightPoint));
  EXPECT_GT(tm.tmAveCharWidth, 0);
}

TEST(GdiTextMetrics, BoldIsWiderAndPositiveHeightsAskForTheCell) {
  TextCanvas normal(10, 10);
  TextCanvas bold(10, 10, kWhite, MakeFont("Tahoma", kEightPoint, FW_BOLD));
  EXPECT_GT(Extent(bold.dc(), "Menu Bar").cx, Extent(normal.dc(), "Menu Bar").cx);
  const LONG cell = Metrics(normal.dc()).tmHeight;
  TextCanvas byCell(10, 10, kWhite, MakeFont("Tahoma", cell));
  EXPECT_EQ(Metrics(byCell.dc()).tmHeight, cell);
}

// Synthetic styles work for every face the layer serves, the bitmap face "MS Sans Serif"
// included: each style inks the text, differently from the plain face.
TEST(GdiTextMetrics, SyntheticStylesInkScalableAndBitmapFaces) {
  for (const char* face : {"Tahoma", "MS Sans Serif"}) {
    const auto inkOf = [face](LONG weight, BYTE italic, BYTE underline) {
      LOGFONTA lf{};
      lf.lfHeight = kEightPoint;
      lf.lfWeight = weight;
      lf.lfItalic = italic;
      lf.lfUnderline = underline;
      std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
      TextCanvas c(80, 20, kWhite, CreateFontIndirectA(&lf));
      Draw(c, "Open", RECT{2, 2, 78, 18}, kLine);
      return c.Pixels();
    };
    const win32::Surface plain = inkOf(FW_NORMAL, 0, 0);
    for (const auto& [name, styled] : {std::pair{"bold", inkOf(FW_BOLD, 0, 0)}, std::pair{"italic", inkOf(FW_NORMAL, 1, 0)},
                                       std::pair{"underline", inkOf(FW_NORMAL, 0, 1)}}) {
      const bool inked = std::any_of(styled.pixels.begin(), styled.pixels.end(), [](COLORREF c) { return c != kWhite; });
      EXPECT_TRUE(inked) << face << " " << name << " draws nothing";
      EXPECT_FALSE(SamePixels(styled, plain)) << face << " " << name << " looks plain";
    }
  }
}

TEST(GdiTextOut, OpaqueModeFillsTheCellAndTransparentLeavesIt) {
  TextCanvas c(60, 20);
  SetBkColor(c.dc(), kBlue);
  SetTextColor(c.dc(), kWhite);
  TextOutA(c.dc(), 2, 3, "Edit", 4);
  const SIZE size = Extent(c.dc(), "Edit");
  EXPECT_EQ(RectText(c.InkBox()), RectText(RECT{2, 3, 2 + size.cx, 3 + size.cy}));

  TextCanvas t(60, 20);
  SetBkMode(t.dc(), TRANSPARENT);
  SetTextColor(t.dc(), kBlack);
  TextOutA(t.dc(), 2, 3, "Edit", 4);
  EXPECT_EQ(t.At(2, 3), kWhite);
  EXPECT_GT(t.InkBox().bottom, 0);
}

TEST(GdiDrawText, AlignmentPlacesTheSameInkAtTheExpectedOffsets) {
  const RECT box{10, 10, 110, 40};
  const char* text = "Menu";
  TextCanvas left(130, 50);
  Draw(left, text, box, DT_SINGLELINE | DT_LEFT | DT_TOP);
  RECT measured = box;
  DrawTextA(left.dc(), text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
  const int w = measured.right - measured.left;
  const int h = measured.bottom - measured.top;
  EXPECT_EQ(Values(w, h), Values(Extent(left.dc(), text).cx, Extent(left.dc(), text).cy));
  EXPECT_TRUE(left.InkBox().left == 10 || left.InkBox().left == 11) << left.InkBox().left;

  const struct {
    UINT format;
    int dx;
    int dy;
  } cases[] = {
      {DT_SINGLELINE | DT_CENTER, (100 - w) / 2, 0},
      {DT_SINGLELINE | DT_RIGHT, 100 - w, 0},
      {DT_SINGLELINE | DT_VCENTER, 0, (30 - h) / 2},
      {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 100 - w, 30 - h},
  };
  for (const auto& c : cases) {
    TextCanvas other(130, 50);
    Draw(other, text, box, c.format);
    EXPECT_TRUE(SameShifted(left, other, c.dx, c.dy)) << "format " << c.format;
  }
}

TEST(GdiDrawText, AmpersandMarksTheMnemonicAndDoubledShowsOne) {
  const RECT area{0, 0, 80, 20};
  TextCanvas plain(80, 20);
  Draw(plain, "File", area, kLine);
  TextCanvas marked(80, 20);
  Draw(marked, "&File", area, kLine);
  const int underlineRow = Metrics(marked.dc()).tmAscent + 1;
  const LONG fWidth = Extent(marked.dc(), "F").cx;
  // Only the underline row differs: under "F", one pixel short of its advance.
  std::string expectedRow(80, '.');
  std::string actualRow(80, '.');
  for (int x = 0; x < 80; ++x) {
    if (x < fWidth - 1) expectedRow[static_cast<size_t>(x)] = '#';
    if (marked.At(x, underlineRow) != plain.At(x, underlineRow)) actualRow[static_cast<size_t>(x)] = '#';
  }
  EXPECT_EQ(actualRow, expectedRow);
  for (int y = 0; y < 20; ++y) {
    if (y == underlineRow) continue;
    for (int x = 0; x < 80; ++x) ASSERT_EQ(marked.At(x, y), plain.At(x, y)) << x << "," << y;
  }

  TextCanvas hidden(80, 20);
  Draw(hidden, "&File", area, kLine | DT_HIDEPREFIX);
  EXPECT_TRUE(SameInk(hidden, plain));

  TextCanvas doubled(80, 20);
  Draw(doubled, "Save && Close", area, kLine);
  TextCanvas literal(80, 20);
  Draw(literal, "Save & Close", area, kLine | DT_NOPREFIX);
  EXPECT_TRUE(SameInk(doubled, literal));

  RECT r{0, 0, 200, 20};
  DrawTextA(literal.dc(), "&File", -1, &r, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  EXPECT_EQ(r.right, Extent(literal.dc(), "&File").cx);
}

TEST(GdiDrawText, WordEllipsisKeepsTheLongestPrefixThatFitsWithDots) {
  const char* text = "Customize Toolbars";
  const int limit = 60;
  TextCanvas c(100, 20);
  Draw(c, text, RECT{0, 0, limit, 20}, DT_SINGLELINE | DT_WORD_ELLIPSIS);
  std::string shown = text;
  while (Extent(c.dc(), (shown + "...").c_str()).cx > limit) shown.pop_back();
  shown += "...";
  ASSERT_LT(shown.size(), std::strlen(text));
  TextCanvas expected(100, 20);
  Draw(expected, shown.c_str(), RECT{0, 0, 100, 20}, kLine | DT_NOPREFIX);
  EXPECT_TRUE(SameInk(c, expected)) << "expected " << shown;
  EXPECT_LE(c.InkBox().right, limit);
}

TEST(GdiDrawText, CalcRectWithWordBreakReportsTheWrappedSize) {
  TextCanvas c(200, 100);
  const LONG line = Metrics(c.dc()).tmHeight;
  const char* text = "Show the recent file list on the menu";
  RECT r{5, 5, 85, 5};
  const int height = DrawTextA(c.dc(), text, -1, &r, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(Values(height % line, height / line >= 3, r.bottom, r.right <= 85), Values(0, true, 5 + height, true));
  EXPECT_EQ(c.InkBox().right, 0);  // measuring draws nothing
  DrawTextA(c.dc(), text, -1, &r, DT_WORDBREAK);
  const RECT ink = c.InkBox();
  // Inside the measured rectangle, and its last line used.
  EXPECT_EQ(Values(ink.left >= r.left, ink.right <= r.right, ink.bottom <= r.bottom, ink.bottom > r.bottom - line),
            "1 1 1 1");
}

TEST(GdiDrawText, TabsExpandToStopsAndEmptyTextMeasuresOneLine) {
  TextCanvas c(200, 20);
  const TEXTMETRICA tm = Metrics(c.dc());
  RECT r{0, 0, 200, 20};
  DrawTextA(c.dc(), "a\tb", -1, &r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
  EXPECT_EQ(r.right, 8 * tm.tmAveCharWidth + Extent(c.dc(), "b").cx);
  // DT_TABSTOP carries the tab length in bits 8..15 (so it cannot be combined with DT_CALCRECT).
  Draw(c, "a\tb", RECT{0, 0, 200, 20}, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
  TextCanvas expected(200, 20);
  Draw(expected, "a", RECT{0, 0, 200, 20}, kLine);
  Draw(expected, "b", RECT{4 * tm.tmAveCharWidth, 0, 200, 20}, kLine);
  EXPECT_TRUE(SameInk(c, expected));

  r = RECT{5, 5, 50, 50};
  EXPECT_EQ(DrawTextA(c.dc(), "", 0, &r, DT_SINGLELINE | DT_CALCRECT), 0);
  EXPECT_EQ(RectText(r), RectText(RECT{5, 5, 5, 5 + tm.tmHeight}));
}

TEST(GdiDrawText, ExplicitLineBreaksStackLinesUnlessSingleLine) {
  TextCanvas c(200, 60);
  const LONG line = Metrics(c.dc()).tmHeight;
  RECT r{0, 0, 200, 60};
  EXPECT_EQ(DrawTextA(c.dc(), "One\r\nTwo\nThree", -1, &r, DT_CALCRECT), 3 * line);
  EXPECT_EQ(r.right, Extent(c.dc(), "Three").cx);
  RECT w{0, 0, 200, 60};
  EXPECT_EQ(DrawTextW(c.dc(), u"Ünïcödé", -1, &w, DT_SINGLELINE | DT_CALCRECT), line);
  RECT a{0, 0, 200, 60};
  DrawTextA(c.dc(), "\xDC" "n" "\xEF" "c" "\xF6" "d" "\xE9", -1, &a, DT_SINGLELINE | DT_CALCRECT);  // the same in Windows-1252
  EXPECT_EQ(a.right, w.right);
}

TEST(GdiDrawText, ClipsToTheRectUnlessNoClip) {
  TextCanvas c(100, 20);
  Draw(c, "Wide caption", RECT{0, 0, 20, 20}, DT_SINGLELINE);
  EXPECT_LE(c.InkBox().right, 20);
  Draw(c, "Wide caption", RECT{0, 0, 20, 20}, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(c.InkBox().right, 20);
}

TEST(GdiDrawState, DisabledTextIsEmbossedHighlightBelowRightShadowOnTop) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF light = GetSysColor(COLOR_3DHILIGHT);
  const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
  TextCanvas normal(40, 20, face);
  SetBkMode(normal.dc(), TRANSPARENT);
  Draw(normal, "Ab", RECT{2, 2, 40, 20}, kLine);
  TextCanvas disabled(40, 20, face);
  DrawStateW(disabled.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(u"Ab"), 2, 2, 2, 0, 0, DST_TEXT | DSS_DISABLED);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool ink = normal.At(x, y) != face;
      const bool inkAboveLeft = x > 0 && y > 0 && normal.At(x - 1, y - 1) != face;
      const COLORREF expected = ink ? shadow : inkAboveLeft ? light : face;
      ASSERT_EQ(disabled.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(GdiDrawState, MonoBitmapTakesTheBrushColour) {
  // A 4x4 white picture with a red 2x2 centre, as 32-bit DIB rows (0x00RRGGBB).
  constexpr DWORD W = 0x00FFFFFF;
  constexpr DWORD R = 0x00FF0000;
  const DWORD bits[] = {W, W, W, W, W, R, R, W, W, R, R, W, W, W, W, W};
  HBITMAP picture = CreateBitmap(4, 4, 1, 32, bits);
  HBRUSH brush = CreateSolidBrush(kBlue);
  Canvas c(8, 8);
  DrawStateW(c.dc(), brush, nullptr, reinterpret_cast<LPARAM>(picture), 0, 2, 2, 0, 0, DST_BITMAP | DSS_MONO);
  // White counts as background: only the red centre takes the brush.
  EXPECT_EQ(c.Rows(kBlue), "........\n........\n........\n...##...\n...##...\n........\n........\n........\n");
  EXPECT_EQ(RectText(c.InkBox()), "3,3-5,5");
  DrawStateW(c.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(picture), 0, 2, 2, 0, 0, DST_BITMAP);
  EXPECT_EQ(Values(c.At(2, 2), c.At(3, 3)), Values(kWhite, kRed));
  DeleteObject(brush);
  DeleteObject(picture);
}

TEST(GdiTextSample, RendersTahomaBoldMsSansSerifAndMarlettArrows) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  TextCanvas c(260, 104, face);
  SetBkMode(c.dc(), TRANSPARENT);
  Draw(c, "&File  &Edit  &View  Tahoma 8pt", RECT{4, 4, 256, 20}, kLine);
  {
    Selected font(c.dc(), MakeFont("Tahoma", kEightPoint, FW_BOLD));
    Draw(c, "Tahoma 8pt bold: Menu Bar", RECT{4, 22, 256, 38}, kLine);
  }
  {
    Selected font(c.dc(), MakeFont("MS Sans Serif", kEightPoint));
    Draw(c, "MS Sans Serif: Customize...", RECT{4, 40, 256, 56}, kLine);
  }
  {
    Selected font(c.dc(), MakeFont("Marlett", -13, FW_NORMAL, SYMBOL_CHARSET));
    Draw(c, "3456tu", RECT{4, 60, 256, 80}, kLine | DT_NOPREFIX);
    EXPECT_GT(c.InkBox(face).bottom, 60);
  }
  // The Marlett down arrow ("6") is a triangle: wider than tall, rows narrowing.
  TextCanvas arrow(20, 20, kWhite, MakeFont("Marlett", -13, FW_NORMAL, SYMBOL_CHARSET));
  Draw(arrow, "6", RECT{0, 0, 20, 20}, kLine);
  const RECT a = arrow.InkBox();
  EXPECT_GT(a.right - a.left, a.bottom - a.top);
  EXPECT_GT(a.bottom, a.top);
  const char* disabled = "&Disabled item (embossed)";
  DrawStateA(c.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(disabled), 0, 4, 84, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);

  ASSERT_TRUE(win32::WritePng(c.Pixels(), "gdi_text_sample.png"));
  win32::Surface back;
  ASSERT_TRUE(win32::ReadPng("gdi_text_sample.png", back));
  EXPECT_TRUE(SamePixels(back, c.Pixels()));
}

}  // namespace
