// The tool bands: the tsMS2003 band strip with its chevron areas and arrow, and the tsMSIE
// band background, hot button face and band detail.
#include "ArtCanvas.h"
#include "ArtworkCatalog.h"
#include "ThemePalette.h"
#include "render/ResourceBitmaps.h"
#include "render/modThemes.h"

namespace artgen {
namespace {

using namespace artwork;

constexpr double kBandMiddleAt = 0.4;
constexpr int kArrowWidth = 8;
constexpr int kArrowHeight = 7;
constexpr int kIeBarWidth = 184;
constexpr int kIeBarHeight = 4;
constexpr int kButtonWidth = 21;
constexpr int kButtonHeight = 20;
constexpr COLORREF kButtonBorder = RGB(206, 206, 195);
constexpr COLORREF kButtonTop = RGB(255, 255, 255);
constexpr COLORREF kButtonMiddle = RGB(246, 245, 241);
constexpr COLORREF kButtonBottom = RGB(221, 216, 205);
constexpr double kButtonMiddleAt = 0.55;
constexpr int kDetailSize = 3;

// A rounded end: the two pixels at each outer corner take the colour of what lies behind.
void RoundEnd(win32::Surface& s, int x, int inward, COLORREF behind) {
  const int bottom = kRebarHeight - 1;
  Put(s, x, 0, behind);
  Put(s, x, bottom, behind);
  Put(s, x + inward, 0, Mix(s.At(x + inward, 0), behind, 0.5));
  Put(s, x, 1, Mix(s.At(x, 1), behind, 0.5));
  Put(s, x + inward, bottom, Mix(s.At(x + inward, bottom), behind, 0.5));
  Put(s, x, bottom - 1, Mix(s.At(x, bottom - 1), behind, 0.5));
}

void ChevronArea(win32::Surface& s, int x, const Gradient& g, COLORREF behind) {
  VerticalGradient(s, {x, 0, x + kRebarChevronWidth, kRebarHeight}, g.from, g.to);
  RoundEnd(s, x + kRebarChevronWidth - 1, -1, behind);
}

win32::Surface Rebar2003Bitmaps() {
  win32::Surface s = Blank(kRebarColumnWidth * kThemes, kRebarHeight, kWhite);
  for (int t = 0; t < kThemes; ++t) {
    const ThemePalette& p = PaletteFor(t);
    const int x = t * kRebarColumnWidth;
    VerticalGradient3(s, {x, 0, x + kRebarColumnWidth, kRebarHeight}, p.bandTop, p.bandMiddle, p.bandBottom,
                      kBandMiddleAt);
    RoundEnd(s, x, 1, p.menuBar.from);
    RoundEnd(s, x + kRebarColumnWidth - 1, -1, p.menuBar.to);
    // The normal area keeps its left cap and middle column; the hot area is painted over
    // the normal one's unused columns, leaving the normal right cap in between.
    ChevronArea(s, x + kRebarChevronX, p.chevron, p.menuBar.to);
    const int hot = x + kRebarHotChevronX;
    const int normalRightCap = x + kRebarChevronX + kRebarChevronWidth - kRebarCapWidth;
    win32::Surface hotArea = Blank(kRebarChevronWidth, kRebarHeight, kWhite);
    VerticalGradient(hotArea, {0, 0, kRebarChevronWidth, kRebarHeight}, kHotChevron.from, kHotChevron.to);
    RoundEnd(hotArea, kRebarChevronWidth - 1, -1, p.menuBar.to);
    for (int column = 0; column < kRebarChevronWidth; ++column) {
      const int target = hot + column;
      if (target >= normalRightCap && target < normalRightCap + kRebarCapWidth) continue;
      for (int y = 0; y < kRebarHeight; ++y) Put(s, target, y, hotArea.At(column, y));
    }
  }
  return s;
}

// The more-tools glyph: a short bar over a small triangle, with a light shadow.
win32::Surface Rebar2003Arrow() {
  win32::Surface s = Blank(kArrowWidth, kArrowHeight, kArtworkKeyColor);
  const std::initializer_list<const char*> glyph = {"XXXXX", "", "", "XXXXX", ".XXX.", "..X.."};
  Pattern(s, 2, 1, glyph, kWhite);
  Pattern(s, 1, 0, glyph, kBlack);
  return s;
}

win32::Surface MsieBar(int theme) {
  const ThemePalette& p = PaletteFor(theme);
  return ShadedStrip(kIeBarWidth, kIeBarHeight, p.ieBar.from, p.ieBar.to, p.ieShade);
}

win32::Surface MsieButton() {
  const COLORREF behind = PaletteFor(XPBlue).ieBar.to;
  win32::Surface s = Blank(kButtonWidth, kButtonHeight, behind);
  const RECT face = {0, 0, kButtonWidth, kButtonHeight};
  VerticalGradient3(s, face, kButtonTop, kButtonMiddle, kButtonBottom, kButtonMiddleAt);
  Frame(s, face, kButtonBorder);
  RoundCorners(s, face, behind);
  return s;
}

win32::Surface RebarMsieDetail() {
  constexpr COLORREF kLight = RGB(214, 207, 198);
  constexpr COLORREF kMid = RGB(179, 176, 171);
  constexpr COLORREF kDark = RGB(141, 136, 122);
  const COLORREF face = PaletteFor(XPBlue).ieBar.to;
  win32::Surface s = Blank(kDetailSize, kDetailSize, kWhite);
  const COLORREF pixels[kDetailSize][kDetailSize] = {{kLight, kMid, face}, {kMid, kDark, kWhite}, {face, kWhite, kWhite}};
  for (int y = 0; y < kDetailSize; ++y)
    for (int x = 0; x < kDetailSize; ++x) Put(s, x, y, pixels[y][x]);
  return s;
}

}  // namespace

void AddRebarArt(Artwork& art) {
  art.push_back({"REBAR2003_BITMAPS", kSharedTheme, Rebar2003Bitmaps()});
  art.push_back({"REBAR2003_ARROW", kSharedTheme, Rebar2003Arrow()});
  for (int t = 0; t < kThemes; ++t) art.push_back({Themed("MSIE_BAR", t), t, MsieBar(t)});
  art.push_back({"MSIE_BUTTON", kSharedTheme, MsieButton()});
  art.push_back({"REBAR_MSIE", kSharedTheme, RebarMsieDetail()});
}

}  // namespace artgen
