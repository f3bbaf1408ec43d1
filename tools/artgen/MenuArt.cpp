// The menu bar's background and pressed-caption strip, the tsMSIE panel, the menu window's
// margins and infrequent-items chevrons, the check mark and the tool-box picture.
#include "ArtCanvas.h"
#include "ArtworkCatalog.h"
#include "ThemePalette.h"
#include "render/ResourceBitmaps.h"
#include "render/modThemes.h"

namespace artgen {
namespace {

using namespace artwork;

constexpr int kMenuBarWidth = 277;
constexpr int kMenuBarHeight = 30;
constexpr COLORREF kUnusedArea = RGB(212, 208, 200);
constexpr int kPanelWidth = 198;
constexpr int kSilverPanelWidth = 199;
constexpr int kPanelHeight = 6;
constexpr int kInfreqWidth = 192;
constexpr int kMarginHeight = 41;
constexpr int kMarginKinds = 2;
constexpr int kCheckWidth = 7;
constexpr int kCheckHeight = 6;
constexpr int kToolBoxWidth = 16;
constexpr int kToolBoxHeight = 15;

win32::Surface MenuBarBitmaps() {
  win32::Surface s = Blank(kMenuBarWidth, kMenuBarHeight, kUnusedArea);
  for (int t = 0; t < kThemes; ++t) {
    const ThemePalette& p = PaletteFor(t);
    const int x = t * kMenuBarColumnWidth;
    HorizontalGradient(s, {x, 0, x + kMenuBarColumnWidth, kMenuBarHeight}, p.menuBar.from, p.menuBar.to);
    const int strip = kPressedStripX + t * kPressedThemePitch;
    const int bottom = kPressedStripY + kPressedPieceHeight;
    VerticalGradient(s, {strip, kPressedStripY, strip + kPressedAlternateOffset, bottom}, p.pressed.from, p.pressed.to);
    VerticalGradient(s, {strip + kPressedAlternateOffset, kPressedStripY, strip + kPressedThemePitch, bottom},
                     p.pressedAlternate.from, p.pressedAlternate.to);
  }
  return s;
}

win32::Surface MsiePanel(int theme) {
  const ThemePalette& p = PaletteFor(theme);
  const int width = theme == XPSilver ? kSilverPanelWidth : kPanelWidth;
  return ShadedStrip(width, kPanelHeight, p.ieBar.from, p.ieBar.to, p.ieShade);
}

// Two chevrons pointing down, one above the other.
void DoubleChevron(win32::Surface& s, int x, int y, COLORREF ink) {
  constexpr int kChevronPitch = 4;
  for (int i = 0; i < 2; ++i) {
    Pattern(s, x, y + i * kChevronPitch, {"XX...XX", ".XX.XX.", "..XXX..", "...X..."}, ink);
  }
}

win32::Surface InfrequentArrows() {
  constexpr int kGlyphWidth = 7;
  constexpr int kGlyphHeight = 8;
  win32::Surface s = Blank(kInfreqWidth, kInfreqCellHeight, kArtworkKeyColor);
  for (int t = 0; t < kThemes; ++t) {
    const ThemePalette& p = PaletteFor(t);
    for (int state = 0; state < kInfreqStateCount; ++state) {
      const int cell = (t * kInfreqStateCount + state) * kInfreqCellWidth;
      DoubleChevron(s, cell + (kInfreqCellWidth - kGlyphWidth + 1) / 2, (kInfreqCellHeight - kGlyphHeight) / 2,
                    state == kInfreqHot ? p.menuGlyphHot : p.menuGlyph);
    }
  }
  return s;
}

win32::Surface MenuMargins() {
  win32::Surface s = Blank(kMarginWidth, kMarginHeight, kWhite);
  for (int kind = 0; kind < kMarginKinds; ++kind) {
    for (int t = 0; t < kThemes; ++t) {
      const ThemePalette& p = PaletteFor(t);
      const Gradient& g = kind == kMarginOrdinary ? p.margin : p.infrequentMargin;
      const int y = (kind * kThemes + t) * kMarginPiecePitch;
      HorizontalGradient(s, {0, y, kMarginWidth, y + kMarginPiecePitch}, g.from, g.to);
    }
  }
  return s;
}

win32::Surface CheckMark() {
  win32::Surface s = Blank(kCheckWidth, kCheckHeight, kArtworkKeyColor);
  Pattern(s, 0, 0, {"......X", ".....XX", "X...XX.", "XX.XX..", ".XXX...", "..X...."}, kBlack);
  return s;
}

// A small window with a menu bar, a tool band and a drop-down panel.
win32::Surface ToolBoxPicture() {
  const ThemePalette& blue = PaletteFor(XPBlue);
  constexpr COLORREF kOutline = RGB(0, 45, 150);
  constexpr COLORREF kCaption = RGB(49, 106, 197);
  constexpr COLORREF kFace = RGB(192, 192, 192);
  constexpr COLORREF kInk = RGB(0, 0, 0);
  constexpr COLORREF kHot = RGB(255, 213, 140);
  win32::Surface s = Blank(kToolBoxWidth, kToolBoxHeight, kFace);
  Fill(s, {0, 1, 16, 14}, kWhite);
  Frame(s, {0, 1, 16, 14}, kOutline);
  Fill(s, {1, 2, 15, 4}, kCaption);
  HorizontalGradient(s, {1, 4, 15, 7}, blue.menuBar.from, blue.menuBar.to);
  Fill(s, {2, 5, 5, 6}, kInk);
  Fill(s, {6, 5, 9, 6}, kInk);
  VerticalGradient(s, {1, 7, 15, 11}, blue.bandTop, blue.bandBottom);
  Fill(s, {3, 8, 6, 10}, kHot);
  Frame(s, {3, 8, 6, 10}, kOutline);
  Fill(s, {8, 8, 10, 10}, kInk);
  Pattern(s, 11, 8, {"XXX", ".X."}, kInk);
  Fill(s, {1, 11, 15, 13}, kWhite);
  return s;
}

}  // namespace

void AddMenuArt(Artwork& art) {
  art.push_back({"MENUBAR2003_BITMAPS", kSharedTheme, MenuBarBitmaps()});
  for (int t = 0; t < kThemes; ++t) art.push_back({Themed("MSIE_PANEL", t), t, MsiePanel(t)});
  art.push_back({"INFREQARROW_BITMAPS", kSharedTheme, InfrequentArrows()});
  art.push_back({"MENU_MARGINS_BITMAPS", kSharedTheme, MenuMargins()});
  art.push_back({"CHECK", kSharedTheme, CheckMark()});
  art.push_back({"30000", kSharedTheme, ToolBoxPicture()});
}

}  // namespace artgen
