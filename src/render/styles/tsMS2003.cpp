#include "render/styles/tsMS2003.h"

#include "render/ResourceBitmaps.h"
#include "render/modDrawHelpers.h"
#include "render/styles/PerTheme.h"
#include "render/tRGB.h"
#include "render/styles/BandDrawing.h"

namespace styles {
namespace {

constexpr const char* kBarArtwork = artwork::kMenuBar2003;

// Gripper: three dots, each a white square with the theme-coloured square over it, up and
// to the left, so the white shows as a highlight below and to the right.
constexpr int kGripperDotX = 7;
constexpr int kGripperFirstDotY = 9;
constexpr int kGripperDotPitch = 4;
constexpr int kGripperDotCount = 3;
constexpr int kGripperDotSize = 2;
constexpr int kGripperHighlightOffset = 1;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr PerTheme<COLORREF> kGripperDotColor{RGB(39, 65, 118), RGB(84, 84, 117), RGB(81, 94, 51)};

// Hover gradient: red stays full, green and blue fall by these totals over the box height.
constexpr double kHoverRed = 255;
constexpr double kHoverGreenTop = 242;
constexpr double kHoverBlueTop = 200;
constexpr double kHoverGreenFall = 28;
constexpr double kHoverBlueFall = 46;
constexpr int kHoverHighlightRow = 1;
constexpr COLORREF kHoverOutline = RGB(0, 0, 128);

constexpr PerTheme<COLORREF> kPressedOutline{RGB(0, 0, 128), RGB(124, 124, 148), RGB(117, 141, 94)};
constexpr PerTheme<COLORREF> kPressedInnerOutline{RGB(246, 246, 246), RGB(255, 255, 255), RGB(244, 244, 238)};

void FillBox(HDC hdc, int left, int top, int right, int bottom, COLORREF colour) {
  DrawSolidRect(hdc, left, top, right, bottom, colour, kSolidRectFill);
}

void FrameBox(HDC hdc, const RECT& box, COLORREF colour) {
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, colour, kSolidRectFrame);
}

void DrawHoverBox(HDC hdc, const RECT& box) {
  const int height = box.bottom - box.top;
  if (height <= 0) return;
  const double greenStep = kHoverGreenFall / height;
  const double blueStep = kHoverBlueFall / height;
  for (int row = 0; row < height; ++row) {
    const tRGB colour{kHoverRed, kHoverGreenTop - row * greenStep, kHoverBlueTop - row * blueStep};
    FillBox(hdc, box.left, box.top + row, box.right, box.top + row + 1, ComposeRGB(colour));
  }
  const int highlight = box.top + kHoverHighlightRow;
  FillBox(hdc, box.left, highlight, box.right, highlight + 1, kWhite);
  FrameBox(hdc, box, kHoverOutline);
}

void DrawPressedBox(HDC hdc, const RECT& box, ctsThemes theme, bool alternate, ArtworkCache& artwork) {
  const int piece = artwork::kPressedStripX + ThemeIndex(theme) * artwork::kPressedThemePitch +
                    (alternate ? artwork::kPressedAlternateOffset : 0);
  if (const cMemDC* strip = artwork.Find(kBarArtwork)) {
    StretchBlt(hdc, box.left, box.top, box.right - box.left, box.bottom - box.top, strip->hdc(), piece,
               artwork::kPressedStripY, artwork::kPressedPieceWidth, artwork::kPressedPieceHeight, SRCCOPY);
  }
  FrameBox(hdc, box, ByTheme(kPressedOutline, theme));
  const RECT inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
  FrameBox(hdc, inner, ByTheme(kPressedInnerOutline, theme));
}

}  // namespace

void tsMS2003::DrawBarBackground(HDC hdc, const RECT& area, int /*barHeight*/, const Palette& palette,
                                 ArtworkCache& artwork) const {
  const ctsThemes theme = palette.eTheme;
  const int column = ThemeIndex(theme) * artwork::kMenuBarColumnWidth;
  if (const cMemDC* strip = artwork.Find(kBarArtwork)) {
    StretchBlt(hdc, area.left, area.top, area.right - area.left, area.bottom - area.top, strip->hdc(), column, 0,
               artwork::kMenuBarColumnWidth, strip->Height(), SRCCOPY);
  }
  const COLORREF dot = ByTheme(kGripperDotColor, theme);
  for (int i = 0; i < kGripperDotCount; ++i) {
    const int x = kGripperDotX;
    const int y = kGripperFirstDotY + i * kGripperDotPitch;
    FillBox(hdc, x + kGripperHighlightOffset, y + kGripperHighlightOffset,
            x + kGripperHighlightOffset + kGripperDotSize, y + kGripperHighlightOffset + kGripperDotSize, kWhite);
    FillBox(hdc, x, y, x + kGripperDotSize, y + kGripperDotSize, dot);
  }
}

void tsMS2003::DrawBarCaptionBox(HDC hdc, const RECT& box, eBarCaption state, const Palette& palette,
                                 ArtworkCache& artwork) const {
  if (state == eBarCaption::Hover)
    DrawHoverBox(hdc, box);
  else
    DrawPressedBox(hdc, box, palette.eTheme, state == eBarCaption::PressedByKey, artwork);
}

COLORREF tsMS2003::BarCaptionTextColor(COLORREF normal, const Palette& /*palette*/) const { return normal; }

}  // namespace styles

// ---- menu window: a pale body, the icon column stretched from the per-theme gradient pieces
// of the margin artwork (a darker piece for infrequent items) and a theme-coloured frame.
namespace styles {
namespace {

constexpr const char* kMenuMarginArtwork = artwork::kMenuMargins;
constexpr COLORREF kMenuBackground = RGB(246, 246, 246);
constexpr PerTheme<COLORREF> kMenuSeparator{RGB(106, 140, 203), RGB(110, 109, 143), RGB(96, 128, 88)};
constexpr COLORREF kMenuSeparatorHighlight = RGB(255, 255, 255);
constexpr int kMenuSeparatorHighlightInset = 1;

// Stretches the margin piece of `kind` over `cell`, column by column reversed when mirrored.
void DrawMarginPiece(HDC hdc, const RECT& cell, int kind, bool mirrored, ctsThemes theme, ArtworkCache& artwork) {
  const cMemDC* strip = artwork.Find(kMenuMarginArtwork);
  if (strip == nullptr) return;
  const int sourceY = (kind * kThemeCount + ThemeIndex(theme)) * artwork::kMarginPiecePitch;
  const int width = cell.right - cell.left;
  const int height = cell.bottom - cell.top;
  if (!mirrored) {
    StretchBlt(hdc, cell.left, cell.top, width, height, strip->hdc(), 0, sourceY, artwork::kMarginWidth,
               artwork::kMarginPieceHeight, SRCCOPY);
    return;
  }
  for (int column = 0; column < width; ++column) {
    const int sourceX = artwork::kMarginWidth - 1 - column * artwork::kMarginWidth / width;
    StretchBlt(hdc, cell.left + column, cell.top, 1, height, strip->hdc(), sourceX, sourceY, 1,
               artwork::kMarginPieceHeight, SRCCOPY);
  }
}

}  // namespace

void tsMS2003::DrawMenuBase(HDC hdc, const RECT& body, const RECT& margin, bool mirrored, const Palette& palette,
                            ArtworkCache& artwork) const {
  FillBox(hdc, body.left, body.top, body.right, body.bottom, kMenuBackground);
  DrawMarginPiece(hdc, margin, artwork::kMarginOrdinary, mirrored, palette.eTheme, artwork);
  FrameBox(hdc, body, palette.MenuBorder);
}

void tsMS2003::DrawMenuInfrequentMargin(HDC hdc, const RECT& cell, bool mirrored, const Palette& palette,
                                        ArtworkCache& artwork) const {
  DrawMarginPiece(hdc, cell, artwork::kMarginInfrequent, mirrored, palette.eTheme, artwork);
}

void tsMS2003::DrawMenuSeparator(HDC hdc, int left, int right, int y, const Palette& palette) const {
  FillBox(hdc, left, y, right, y + 1, ByTheme(kMenuSeparator, palette.eTheme));
  FillBox(hdc, left + kMenuSeparatorHighlightInset, y + 1, right + kMenuSeparatorHighlightInset, y + 2,
          kMenuSeparatorHighlight);
}

void tsMS2003::DrawMenuExpandHighlight(HDC hdc, const RECT& box, const Palette& palette) const {
  FillBox(hdc, box.left, box.top, box.right, box.bottom, palette.HighlightFill);
  FrameBox(hdc, box, palette.HighlightOutline);
}

}  // namespace styles

// ---- tool bands: the band strip's per-theme column stretched in three slices with a chevron
// area at its right end, a column of gripper dots, a theme-coloured bottom edge, and state
// frames as vertical gradients inside the theme's border.
namespace styles {
namespace {

constexpr const char* kBandArtwork = artwork::kRebar2003;
// Gripper: from y = 5 every 4 rows while y <= H - 5, a white dot with the theme's dot over it,
// one row and column up and to the left.
constexpr int kBandGripFirstY = 5;
constexpr int kBandGripPitch = 4;
constexpr int kBandGripEndInset = 5;
constexpr int kBandGripX = 5;
constexpr PerTheme<COLORREF> kBandEdge{RGB(59, 97, 156), RGB(124, 124, 148), RGB(96, 128, 88)};
constexpr int kSeparatorTop = 4;
constexpr int kSeparatorBottomInset = 5;

// A frame gradient: its name, the top row's colour and the change of each component over the
// frame's height.
struct FrameGradient {
  const char* name;
  tRGB from;
  tRGB change;
};
constexpr FrameGradient kHotGradient{"hot", {255, 242, 200}, {0, -34, -55}};
constexpr FrameGradient kPressedGradient{"pressed", {254, 149, 82}, {1, 62, 60}};
constexpr FrameGradient kCheckedGradient{"checked", {255, 213, 140}, {0, -40, -55}};

// Fills the box (both corners inclusive) row by row from the gradient's top colour to its
// bottom one. The column of colours is made once per frame height and stretched across.
void FillGradient(HDC hdc, int left, int top, int right, int bottom, const FrameGradient& g, ArtworkCache& artwork) {
  const int rows = bottom - top + 1;
  if (rows <= 0 || right < left) return;
  const double h = bottom - top;
  const cMemDC* column = artwork.Gradient(g.name, rows, [&](int y) {
    const double step = h > 0 ? y / h : 0;
    return ComposeRGB(tRGB{g.from.Red + g.change.Red * step, g.from.Green + g.change.Green * step,
                           g.from.Blue + g.change.Blue * step});
  });
  if (column != nullptr) StretchBlt(hdc, left, top, right - left + 1, rows, column->hdc(), 0, 0, 1, rows, SRCCOPY);
}

}  // namespace

void tsMS2003::DrawBandBackground(HDC hdc, const RECT& band, const Palette& palette, ArtworkCache& artwork) const {
  const int width = band.right - band.left;
  const int height = band.bottom - band.top;
  if (const cMemDC* strip = artwork.Find(kBandArtwork)) {
    const int column = ThemeIndex(palette.eTheme) * artwork::kRebarColumnWidth;
    const tSlices slices{column, column + artwork::kRebarMiddleX, artwork::kRebarMiddleWidth,
                         column + artwork::kRebarRightCapX, artwork::kRebarCapWidth};
    DrawThreeSlices(hdc, band.left, band.top, width, height, *strip, slices);
  }
  BandLine(hdc, band.left, band.bottom - 1, band.right, band.bottom - 1, ByTheme(kBandEdge, palette.eTheme));
}

void tsMS2003::DrawBandGripper(HDC hdc, const RECT& band, const Palette& palette) const {
  // Tool repaints clip far from the gripper: skip its dots then.
  const RECT dots{kBandGripX - 1, band.top, kBandGripX + 2, band.bottom};
  if (RectVisible(hdc, &dots) == FALSE) return;
  const COLORREF dot = ByTheme(kGripperDotColor, palette.eTheme);
  for (int y = band.top + kBandGripFirstY; y <= band.bottom - kBandGripEndInset; y += kBandGripPitch) {
    FillBandBox(hdc, kBandGripX, y, kBandGripX + 1, y + 1, kWhite);
    FillBandBox(hdc, kBandGripX - 1, y - 1, kBandGripX, y, dot);
  }
}

void tsMS2003::DrawBandChevron(HDC hdc, const RECT& area, eChevron state, const Palette& palette,
                               ArtworkCache& artwork) const {
  DrawChevronArea(hdc, area, state, palette.eTheme, artwork);
  BandLine(hdc, area.left, area.bottom - 1, area.right, area.bottom - 1, ByTheme(kBandEdge, palette.eTheme));
}

void tsMS2003::DrawToolSeparator(HDC hdc, int x, const RECT& band, const Palette& palette) const {
  const int bottom = band.bottom - kSeparatorBottomInset;
  BandLine(hdc, x, band.top + kSeparatorTop, x, bottom, ByTheme(kToolSeparatorColor, palette.eTheme));
  BandLine(hdc, x + 1, band.top + kSeparatorTop + 1, x + 1, bottom + 1, kWhite);
}

// The open drop-down shows the pressed gradient; while drop-downs switch, the next one shows
// the hot gradient on its button part and the pressed one on its arrow part.
void tsMS2003::DrawToolFrame(HDC hdc, const RECT& frame, const tToolFrameState& state, const Palette& palette,
                             ArtworkCache& artwork) const {
  switch (state.eFrame) {
    case eToolFrame::Hot:
      FillGradient(hdc, frame.left, frame.top, frame.right, frame.bottom, kHotGradient, artwork);
      break;
    case eToolFrame::Pressed:
    case eToolFrame::DropOpen:
      FillGradient(hdc, frame.left, frame.top, frame.right, frame.bottom, kPressedGradient, artwork);
      break;
    case eToolFrame::Checked:
      FillGradient(hdc, frame.left, frame.top, frame.right, frame.bottom, kCheckedGradient, artwork);
      break;
    case eToolFrame::DropSwitchHot: {
      const int split = state.lDividerX == kNoDivider ? frame.right : state.lDividerX;
      FillGradient(hdc, frame.left, frame.top, split, frame.bottom, kHotGradient, artwork);
      if (split < frame.right) FillGradient(hdc, split, frame.top, frame.right, frame.bottom, kPressedGradient, artwork);
      break;
    }
  }
  DrawToolFrameBorder(hdc, frame, state.lDividerX, palette.MenuBorder);
}

void tsMS2003::DrawToolDropArrow(HDC hdc, POINT at, bool bEnabled, const Palette& /*palette*/) const {
  DrawMarlettDropArrow(hdc, at, bEnabled);
}

// A warm vertical gradient, one row per pixel from just below the box's top edge to its
// bottom edge: red stays full, green and blue fall by these totals over the rows.
void tsMS2003::DrawPanelHotCell(HDC hdc, const RECT& inner, const Palette& /*palette*/) const {
  constexpr int kReach = 2;
  constexpr double kGreenFall = 34;
  constexpr double kBlueFall = 55;
  const int height = inner.bottom - inner.top + 2 * kReach;
  double green = kHoverGreenTop;
  double blue = kHoverBlueTop;
  for (int y = inner.top - kReach + 1; y <= inner.bottom + kReach; ++y) {
    const tRGB colour{kHoverRed, green, blue};
    FillBandBox(hdc, inner.left - kReach, y, inner.right + kReach - 1, y, ComposeRGB(colour));
    green -= kGreenFall / height;
    blue -= kBlueFall / height;
  }
}

}  // namespace styles
