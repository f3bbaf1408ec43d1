#include "render/styles/BandDrawing.h"

#include "container/StdFont.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"
#include "render/ResourceBitmaps.h"
#include "render/styles/IToolStyle.h"

namespace styles {
namespace {

constexpr const char* kArrowFontName = "Marlett";
constexpr double kArrowFontSize = 8.5;
constexpr char kArrowGlyph[] = "6";
constexpr COLORREF kArrowColor = RGB(0, 0, 0);
// The chevron arrow sits this far from the area's right and bottom edges (its own width and
// half its height added).
constexpr int kChevronArrowRight = 4;
constexpr int kChevronArrowBottom = 6;

}  // namespace

void FillBandBox(HDC hdc, int x1, int y1, int x2, int y2, COLORREF colour) {
  DrawSolidRect(hdc, x1, y1, x2 + 1, y2 + 1, colour, kSolidRectFill);
}

void FrameBandBox(HDC hdc, int x1, int y1, int x2, int y2, COLORREF colour) {
  DrawSolidRect(hdc, x1, y1, x2 + 1, y2 + 1, colour, kSolidRectFrame);
}

void BandLine(HDC hdc, int x1, int y1, int x2, int y2, COLORREF colour) { FillBandBox(hdc, x1, y1, x2, y2, colour); }

void CopyKeyed(HDC hdc, int x, int y, const cMemDC& art, int srcX, int srcY, int w, int h) {
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      const COLORREF pixel = GetPixel(art.hdc(), srcX + column, srcY + row);
      if (pixel != artwork::kArtworkKeyColor) SetPixelV(hdc, x + column, y + row, pixel);
    }
  }
}

void DrawThreeSlices(HDC hdc, int x, int y, int destW, int destH, const cMemDC& art, const tSlices& slices) {
  const int srcH = art.Height();
  const int cap = slices.capWidth;
  StretchBlt(hdc, x, y, cap, destH, art.hdc(), slices.leftCapX, 0, cap, srcH, SRCCOPY);
  StretchBlt(hdc, x + cap, y, destW - 2 * cap, destH, art.hdc(), slices.middleX, 0, slices.middleWidth, srcH, SRCCOPY);
  StretchBlt(hdc, x + destW - cap, y, cap, destH, art.hdc(), slices.rightCapX, 0, cap, srcH, SRCCOPY);
}

void DrawChevronArea(HDC hdc, const RECT& area, eChevron state, ctsThemes theme, ArtworkCache& artwork) {
  if (const cMemDC* strip = artwork.Find(artwork::kRebar2003)) {
    const int sliceX = ThemeIndex(theme) * artwork::kRebarColumnWidth +
                       (state == eChevron::Hot ? artwork::kRebarHotChevronX : artwork::kRebarChevronX);
    const tSlices slices{sliceX, sliceX + artwork::kRebarCapWidth, artwork::kRebarChevronMiddleWidth,
                         sliceX + artwork::kRebarChevronWidth - artwork::kRebarCapWidth, artwork::kRebarCapWidth};
    DrawThreeSlices(hdc, area.left, area.top, area.right - area.left, area.bottom - area.top, *strip, slices);
  }
  DrawChevronArrow(hdc, area, artwork);
}

void DrawChevronArrow(HDC hdc, const RECT& area, ArtworkCache& artwork) {
  const cMemDC* arrow = artwork.Find(artwork::kRebar2003Arrow);
  if (arrow == nullptr) return;
  const int x = area.right - (arrow->Width() + kChevronArrowRight);
  const int y = area.bottom - (arrow->Height() / 2 + kChevronArrowBottom);
  CopyKeyed(hdc, x, y, *arrow, 0, 0, arrow->Width(), arrow->Height());
}

void DrawToolFrameBorder(HDC hdc, const RECT& frame, int dividerX, COLORREF colour) {
  FrameBandBox(hdc, frame.left, frame.top - 1, frame.right, frame.bottom + 1, colour);
  if (dividerX != kNoDivider) BandLine(hdc, dividerX, frame.top - 1, dividerX, frame.bottom + 1, colour);
}

void DrawMarlettDropArrow(HDC hdc, POINT at, bool bEnabled) {
  const StdFont font(kArrowFontName, kArrowFontSize);
  const SelectedFont selected(hdc, font);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, bEnabled ? kArrowColor : GetSysColor(COLOR_GRAYTEXT));
  TextOutA(hdc, at.x, at.y, kArrowGlyph, 1);
}

void FillPanelHotBox(HDC hdc, const RECT& inner, const Palette& palette) {
  constexpr int kReach = 2;
  FillBandBox(hdc, inner.left - kReach, inner.top - kReach, inner.right + kReach, inner.bottom + kReach,
              palette.PanelHighlightFill);
}

}  // namespace styles
