// Text: real font metrics, synthetic styles, TextOut, DrawText layout, prefixes and clipping.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>
#include <string>

#include "support/Pixels.h"
#include "support/Values.h"

namespace {

using namespace mirel_test;

constexpr LONG kEightPoint = -11;  // 8 points at 96 dpi
constexpr UINT kLine = DT_SINGLELINE | DT_NOCLIP;

HFONT MakeFont(const char* face, LONG height, LONG weight = FW_NORMAL, BYTE charset = DEFAULT_CHARSET, BYTE italic = 0,
               BYTE underline = 0) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = charset;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

// A canvas with a font (8-point Tahoma unless given) selected for its lifetime.
class TextCanvas : public Canvas {
 public:
  TextCanvas(int width, int height, COLORREF fill = kWhite, HFONT font = MakeFont("Tahoma", kEightPoint))
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

int Draw(const Canvas& c, const char* text, RECT r, UINT format) {
  return DrawTextA(c.dc(), text, -1, &r, format);
}

// The cell Windows uses is the font's OS/2 "win" ascent plus descent at the em size; a
// positive height asks for that cell.
TEST(GdiTextMetrics, HeightOfWgIsTheFontsOwnCellHeight) {
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
  TextCanvas byCell(10, 10, kWhite, MakeFont("Tahoma", tm.tmHeight));
  EXPECT_EQ(Metrics(byCell.dc()).tmHeight, tm.tmHeight);
}

// Synthetic styles work for every face the layer serves, the bitmap face "MS Sans Serif"
// included: each style inks the text, differently from the plain face; bold is wider.
TEST(GdiTextMetrics, SyntheticStylesInkScalableAndBitmapFaces) {
  for (const char* face : {"Tahoma", "MS Sans Serif"}) {
    const auto inkOf = [face](LONG weight, BYTE italic, BYTE underline) {
      TextCanvas c(80, 20, kWhite, MakeFont(face, kEightPoint, weight, DEFAULT_CHARSET, italic, underline));
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
  TextCanvas normal(10, 10);
  TextCanvas bold(10, 10, kWhite, MakeFont("Tahoma", kEightPoint, FW_BOLD));
  EXPECT_GT(Extent(bold.dc(), "Menu Bar").cx, Extent(normal.dc(), "Menu Bar").cx);
  // The symbol face: the Marlett down arrow ("6") is a triangle, wider than tall.
  TextCanvas arrow(20, 20, kWhite, MakeFont("Marlett", -13, FW_NORMAL, SYMBOL_CHARSET));
  Draw(arrow, "6", RECT{0, 0, 20, 20}, kLine);
  const RECT a = arrow.InkBox();
  EXPECT_TRUE(a.right - a.left > a.bottom - a.top && a.bottom > a.top) << RectText(a);
}

TEST(GdiTextOut, OpaqueModeFillsTheCellAndTransparentLeavesIt) {
  TextCanvas c(60, 20);
  SetBkColor(c.dc(), kBlue);
  SetTextColor(c.dc(), kWhite);
  TextOutA(c.dc(), 2, 3, "Edit", 4);
  const SIZE size = Extent(c.dc(), "Edit");
  EXPECT_EQ(RectText(c.InkBox()), RectText(RECT{2, 3, 2 + size.cx, 3 + size.cy}));
  SetBkMode(c.dc(), TRANSPARENT);
  SetTextColor(c.dc(), kBlack);
  c.Fill(RECT{0, 0, 60, 20}, kWhite);
  TextOutA(c.dc(), 2, 3, "Edit", 4);
  EXPECT_EQ(Values(c.At(2, 3), c.InkBox().bottom > 0), Values(kWhite, true));
}

TEST(GdiDrawText, FormatsDrawAsTheirPlainEquivalents) {
  TextCanvas probe(10, 10);
  const TEXTMETRICA tm = Metrics(probe.dc());
  const SIZE menu = Extent(probe.dc(), "Menu");
  std::string shown = "Customize Toolbars";  // the longest prefix that fits 60 pixels with dots
  while (Extent(probe.dc(), (shown + "...").c_str()).cx > 60) shown.pop_back();
  shown += "...";
  ASSERT_LT(shown.size(), std::strlen("Customize Toolbars"));
  std::string longLine;
  for (int i = 0; i < 500; ++i) longLine += "Customize Toolbars";
  using Drawing = std::function<void(HDC)>;
  const auto text = [](const char* t, RECT r, UINT format) -> Drawing {
    return [=](HDC dc) mutable { DrawTextA(dc, t, -1, &r, format); };
  };
  const RECT box{10, 10, 110, 40};
  const auto left = [&](LONG dx, LONG dy) { return text("Menu", RECT{box.left + dx, box.top + dy, 130, 50}, kLine); };
  const RECT line{0, 0, 130, 20};
  const struct { const char* what; Drawing drawn; Drawing expected; } cases[] = {
      {"centred", text("Menu", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER), left((100 - menu.cx) / 2, (30 - menu.cy) / 2)},
      {"bottom right", text("Menu", box, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT), left(100 - menu.cx, 30 - menu.cy)},
      {"doubled ampersand", text("Save && Close", line, kLine), text("Save & Close", line, kLine | DT_NOPREFIX)},
      {"word ellipsis", text("Customize Toolbars", RECT{0, 0, 60, 20}, DT_SINGLELINE | DT_WORD_ELLIPSIS),
       text(shown.c_str(), line, kLine | DT_NOPREFIX)},
      {"end ellipsis of a long line", text(longLine.c_str(), RECT{0, 0, 60, 20}, DT_SINGLELINE | DT_END_ELLIPSIS),
       text(shown.c_str(), line, kLine | DT_NOPREFIX)},
      {"tabs of eight", text("a\tb", line, kLine | DT_EXPANDTABS),
       [&](HDC dc) {
         text("a", line, kLine)(dc);
         text("b", RECT{8 * tm.tmAveCharWidth, 0, 130, 20}, kLine)(dc);
       }},
      // The mnemonic's underline sits under "F", one pixel short of its advance.
      {"mnemonic", text("&File", line, kLine),
       [&](HDC dc) {
         text("File", line, kLine)(dc);
         FillDC(dc, RECT{0, tm.tmAscent + 1, Extent(probe.dc(), "F").cx - 1, tm.tmAscent + 2}, kBlack);
       }},
      {"clipped", text("Wide caption", RECT{0, 0, 20, 20}, DT_SINGLELINE),
       [&](HDC dc) {
         text("Wide caption", line, kLine)(dc);
         FillDC(dc, RECT{20, 0, 130, 50}, kWhite);
       }},
      {"not clipped", text("Wide caption", RECT{0, 0, 20, 20}, kLine), text("Wide caption", line, kLine)},
  };
  for (const auto& c : cases) {
    TextCanvas drawn(130, 50);
    TextCanvas expected(130, 50);
    c.drawn(drawn.dc());
    c.expected(expected.dc());
    EXPECT_TRUE(SamePixels(drawn.Pixels(), expected.Pixels())) << c.what;
  }
}

// One line as wide and high as its extent; "&" kept with DT_NOPREFIX; tabs of eight average
// characters; empty text one line high and no wider; measuring draws nothing. Word breaks
// give whole lines, drawn inside the measured rectangle to its last line; explicit breaks
// stack lines; wide and Windows-1252 text measure the same.
TEST(GdiDrawText, Measures) {
  TextCanvas c(100, 20);
  const TEXTMETRICA tm = Metrics(c.dc());
  const auto measured = [&](const char* t, RECT r, UINT format) {
    const int height = DrawTextA(c.dc(), t, -1, &r, format | DT_CALCRECT);
    return Values(RectText(r), height);
  };
  const SIZE menu = Extent(c.dc(), "Menu");
  EXPECT_EQ(measured("Menu", RECT{10, 10, 110, 40}, DT_SINGLELINE),
            Values(RectText(RECT{10, 10, 10 + menu.cx, 10 + menu.cy}), menu.cy));
  EXPECT_EQ(measured("&File", RECT{0, 0, 200, 20}, DT_SINGLELINE | DT_NOPREFIX),
            Values(RectText(RECT{0, 0, Extent(c.dc(), "&File").cx, tm.tmHeight}), tm.tmHeight));
  EXPECT_EQ(measured("a\tb", RECT{0, 0, 200, 20}, DT_SINGLELINE | DT_EXPANDTABS),
            Values(RectText(RECT{0, 0, 8 * tm.tmAveCharWidth + Extent(c.dc(), "b").cx, tm.tmHeight}), tm.tmHeight));
  EXPECT_EQ(measured("", RECT{5, 5, 50, 50}, DT_SINGLELINE), Values(RectText(RECT{5, 5, 5, 5 + tm.tmHeight}), 0));
  EXPECT_EQ(c.InkBox().right, 0) << "measuring draws nothing";
  Draw(c, "Menu", RECT{10, 2, 80, 20}, DT_SINGLELINE | DT_LEFT | DT_TOP);
  EXPECT_TRUE(c.InkBox().left == 10 || c.InkBox().left == 11) << c.InkBox().left;

  TextCanvas wrapped(200, 100);
  const char* text = "Show the recent file list on the menu";
  RECT r{5, 5, 85, 5};
  const int height = DrawTextA(wrapped.dc(), text, -1, &r, DT_WORDBREAK | DT_CALCRECT);
  const LONG line = tm.tmHeight;
  EXPECT_EQ(Values(height % line, height / line >= 3, r.bottom, r.right <= 85), Values(0, true, 5 + height, true));
  DrawTextA(wrapped.dc(), text, -1, &r, DT_WORDBREAK);
  const RECT ink = wrapped.InkBox();
  // Inside the measured rectangle, and its last line used.
  EXPECT_EQ(Values(ink.left >= r.left, ink.right <= r.right, ink.bottom <= r.bottom, ink.bottom > r.bottom - line),
            "1 1 1 1");
  RECT lines{0, 0, 200, 60};
  EXPECT_EQ(DrawTextA(c.dc(), "One\r\nTwo\nThree", -1, &lines, DT_CALCRECT), 3 * line);
  EXPECT_EQ(lines.right, Extent(c.dc(), "Three").cx);
  RECT w{0, 0, 200, 60};
  EXPECT_EQ(DrawTextW(c.dc(), u"Ünïcödé", -1, &w, DT_SINGLELINE | DT_CALCRECT), line);
  RECT a{0, 0, 200, 60};
  DrawTextA(c.dc(), "\xDC" "n" "\xEF" "c" "\xF6" "d" "\xE9", -1, &a, DT_SINGLELINE | DT_CALCRECT);  // the same in Windows-1252
  EXPECT_EQ(a.right, w.right);
}

}  // namespace
