#include "menu/MenuWindowPainter.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "common/ScopedDC.h"
#include "render/ColorScheme.h"
#include "render/MUnicodeSupport.h"
#include "render/ResourceBitmaps.h"
#include "render/ShadowStrip.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"
#include "render/modImageList.h"
#include "render/styles/IMenuStyle.h"
#include "render/styles/PerTheme.h"

namespace {

constexpr const char* kArrowArtwork = artwork::kInfrequentArrow;
constexpr const char* kGlyphFontName = "Marlett";
constexpr double kGlyphFontSize = 10;
constexpr char kGlyphRightArrow[] = "4";
constexpr char kGlyphLeftArrow[] = "3";
constexpr UINT kCaptionFormat = DT_WORD_ELLIPSIS;
constexpr UINT kCaptionFormatRightToLeft = DT_WORD_ELLIPSIS | DT_RIGHT;
constexpr int kFrameWidth = 1;
constexpr int kInfrequentLeft = 4;     // infrequent rows' background starts here
constexpr int kCheckBoxLeft = 3;       // the check box's left edge in the icon column
constexpr int kCheckBoxRightInset = 1;  // its right edge from the column's
constexpr int kCheckMarkShiftX = -2;
constexpr int kCheckMarkShiftY = 2;
constexpr int kShadowSkip = 3;          // screen pixels copied unchanged at a strip's start
constexpr int kTextRightInset = 2;      // caption text stays inside the frame
constexpr COLORREF kCheckMarkColor = RGB(0, 0, 0);
constexpr int kJoinEnds = 2;            // a join is its inner run plus the caption's edge


int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

void TextOut(HDC hdc, int x, int y, std::string_view text) {
  TextOutA(hdc, x, y, text.data(), static_cast<int>(text.size()));
}

}  // namespace

std::shared_ptr<StdFont> MenuItemFont(const StdFont& base, const tMenuItemInfo& item) {
  auto font = base.Clone();
  font->SetBold(IsTrue(item.cMIFontBold));
  font->SetItalic(IsTrue(item.cMIFontItalic));
  font->SetUnderline(IsTrue(item.cMIFontUnderline));
  font->SetStrikethrough(IsTrue(item.cMIFontStrikeThrough));
  return font;
}

MenuWindowPainter::MenuWindowPainter(const tMenuLook& look, const std::vector<tMenuItemInfo>& items,
                                     const MenuWindowLayout& layout, int lWidth, int lHeight, bool bExpandArrow,
                                     styles::ArtworkCache& artwork)
    : m_Look(look),
      m_Items(items),
      m_Layout(layout),
      m_lWidth(lWidth),
      m_lHeight(lHeight),
      m_bExpandArrow(bExpandArrow),
      m_Artwork(artwork) {}

MenuWindowPainter::~MenuWindowPainter() {
  for (HFONT font : m_ItemFonts) {
    if (font != nullptr) DeleteObject(font);
  }
}

HFONT MenuWindowPainter::ItemFont(const tMenuItemInfo& item) const {
  const std::size_t key = (IsTrue(item.cMIFontBold) ? 1U : 0U) | (IsTrue(item.cMIFontItalic) ? 2U : 0U) |
                          (IsTrue(item.cMIFontUnderline) ? 4U : 0U) | (IsTrue(item.cMIFontStrikeThrough) ? 8U : 0U);
  HFONT& font = m_ItemFonts[key];
  if (font == nullptr) font = FontFromStdFont(*MenuItemFont(*m_Look.oItemFont, item));
  return font;
}

const styles::Palette& MenuWindowPainter::Colors() const { return styles::PaletteFor(m_Look.eStyle, m_Look.eTheme); }

RECT MenuWindowPainter::Body() const {
  const int lShadow = m_Look.bShadows ? kMenuShadowSize : 0;
  return RECT{0, 0, m_lWidth - lShadow, m_lHeight - lShadow};
}

RECT MenuWindowPainter::MarginColumn() const {
  const RECT body = Body();
  const int lInner = body.bottom - kFrameWidth;
  if (m_Look.bRightToLeft)
    return RECT{body.right - kFrameWidth - m_Look.lMarginWidth, kFrameWidth, body.right - kFrameWidth, lInner};
  return RECT{kFrameWidth, kFrameWidth, kFrameWidth + m_Look.lMarginWidth, lInner};
}

void MenuWindowPainter::PaintBase(HDC hdc) const {
  styles::MenuStyle(m_Look.eStyle).DrawMenuBase(hdc, Body(), MarginColumn(), m_Look.bRightToLeft, Colors(), m_Artwork);
  for (int i = 1; i <= m_Layout.Count(); ++i) {
    const tMenuRow& row = m_Layout.Row(i);
    if (!row.bShown || !RowMayShow(hdc, row)) continue;
    if (row.bSeparator)
      PaintSeparator(hdc, i);
    else
      PaintRow(hdc, i, false);
  }
  if (m_bExpandArrow) PaintExpandArrow(hdc, false);
}

// A long menu's surface holds only what the screen shows: rows beyond it are not drawn. The
// band tested is wider than anything a row draws.
bool MenuWindowPainter::RowMayShow(HDC hdc, const tMenuRow& row) const {
  const int lReach = m_Layout.LineHeight() + m_Layout.HalfGap();
  const RECT band{0, std::min(row.lY, row.lBandTop) - lReach, m_lWidth, std::max(row.lY, row.lBandBottom) + 2 * lReach};
  return RectVisible(hdc, &band) != FALSE;
}

RECT MenuWindowPainter::RowArea(int i) const {
  const RECT box = m_Layout.HighlightBox(i, m_lWidth);
  const RECT body = Body();
  return RECT{kFrameWidth, box.top, body.right - kFrameWidth, box.bottom};
}

void MenuWindowPainter::PaintRow(HDC hdc, int i, bool bHighlighted) const {
  const tMenuRow& row = m_Layout.Row(i);
  if (!row.bShown || row.bSeparator) return;
  const tMenuItemInfo& item = m_Items[static_cast<std::size_t>(i)];
  const SelectedFont selected(hdc, ItemFont(item));
  if (IsTrue(item.cMIInfrequent)) PaintInfrequentBackground(hdc, i);
  if (bHighlighted) PaintHighlight(hdc, i);
  if (IsTrue(item.cMIChecked)) PaintCheck(hdc, i);
  PaintIcon(hdc, i, bHighlighted);
  PaintTexts(hdc, i, bHighlighted);
}

void MenuWindowPainter::PaintInfrequentBackground(HDC hdc, int i) const {
  // The background covers the whole row, y - h to y + H + h, so that neighbouring infrequent
  // rows join without a stripe between them.
  const RECT area = RowArea(i);
  const tMenuRow& row = m_Layout.Row(i);
  if (m_Look.bHighlightInfrequents)
    DrawSolidRect(hdc, kInfrequentLeft, row.lBandTop, area.right, row.lBandBottom, Colors().InfrequentFill,
                  kSolidRectFill);
  const RECT column = MarginColumn();
  const RECT cell{column.left, area.top, column.right, area.bottom};
  styles::MenuStyle(m_Look.eStyle).DrawMenuInfrequentMargin(hdc, cell, m_Look.bRightToLeft, Colors(), m_Artwork);
}

void MenuWindowPainter::PaintHighlight(HDC hdc, int i) const {
  const RECT box = m_Layout.HighlightBox(i, m_lWidth);
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, Colors().HighlightFill, kSolidRectFill);
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, Colors().HighlightOutline,
                kSolidRectFrame);
}

RECT MenuWindowPainter::CheckBox(int i) const {
  const RECT box = m_Layout.HighlightBox(i, m_lWidth);
  const RECT column = MarginColumn();
  const int lLeft = m_Look.bRightToLeft ? column.left + kCheckBoxRightInset : column.left + kCheckBoxLeft - kFrameWidth;
  const int lRight = m_Look.bRightToLeft ? column.right - (kCheckBoxLeft - kFrameWidth) : column.right - kCheckBoxRightInset;
  return RECT{lLeft, box.top + 1, lRight, box.bottom - 1};
}

POINT MenuWindowPainter::CheckMarkCentre(const RECT& cell) {
  return POINT{RoundHalfEven((cell.right - cell.left) / 2.0 + cell.left + kCheckMarkShiftX),
               RoundHalfEven((cell.bottom - cell.top) / 2.0 + cell.top + kCheckMarkShiftY)};
}

void MenuWindowPainter::PaintCheck(HDC hdc, int i) const {
  const tMenuItemInfo& item = m_Items[static_cast<std::size_t>(i)];
  const RECT cell = CheckBox(i);
  DrawSolidRect(hdc, cell.left, cell.top, cell.right, cell.bottom, Colors().PressedFill, kSolidRectFill);
  DrawSolidRect(hdc, cell.left, cell.top, cell.right, cell.bottom, Colors().HighlightOutline,
                kSolidRectFrame);
  const bool bHasIcon = item.cMIIconIndex >= 0 && m_Look.hImageList != 0;
  if (bHasIcon) return;  // the icon is drawn inside the box
  const COLORREF mark = IsTrue(item.cMIEnabled) ? kCheckMarkColor : TranslateOleColor(kGrayTextOleColor);
  const POINT centre = CheckMarkCentre(cell);
  for (const tCheckMarkPixel& pixel : kCheckMarkPixels) SetPixelV(hdc, centre.x + pixel.dx, centre.y + pixel.dy, mark);
}

void MenuWindowPainter::PaintIcon(HDC hdc, int i, bool bHighlighted) const {
  if (m_Look.hImageList == 0) return;
  const tMenuItemInfo& item = m_Items[static_cast<std::size_t>(i)];
  std::int16_t index = item.cMIIconIndex;
  if (!IsTrue(item.cMIEnabled))
    index = item.cMIIconDisabledIndex;
  else if (bHighlighted && item.cMIIconHoverIndex >= 0)
    index = item.cMIIconHoverIndex;
  if (index < 0) return;
  const tMenuRow& row = m_Layout.Row(i);
  const int x = MenuWindowLayout::IconLeft(m_Look.lMarginWidth, m_Look.lIconWidth, m_lWidth, m_Look.bShadows,
                                           m_Look.bRightToLeft);
  const int y = row.lY + (m_Layout.LineHeight() - m_Look.lIconHeight) / 2;
  DrawListImage(m_Look.oImageList, hdc, m_Look.hImageList, index, x, y, false, false);
}

COLORREF MenuWindowPainter::TextColor(const tMenuItemInfo& item, bool bHighlighted) const {
  if (!IsTrue(item.cMIEnabled)) return TranslateOleColor(kGrayTextOleColor);
  return TranslateOleColor(bHighlighted ? item.cMIHoverForeColor : item.cMIForeColor);
}

void MenuWindowPainter::PaintTexts(HDC hdc, int i, bool bHighlighted) const {
  const tMenuItemInfo& item = m_Items[static_cast<std::size_t>(i)];
  const tMenuRow& row = m_Layout.Row(i);
  const RECT body = Body();
  const int lTextHeight = MeasureLineHeight(hdc);
  const int lTop = row.lY + (m_Layout.LineHeight() - lTextHeight) / 2;
  const int lEdge = MenuWindowLayout::TextEdge(m_Look.lMarginWidth, m_lWidth, m_Look.bRightToLeft);
  const int oldMode = SetBkMode(hdc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(hdc, TextColor(item, bHighlighted));
  if (m_Look.bRightToLeft)
    DrawTextAuto(hdc, item.cMICaption, kTextRightInset, lEdge, lTop, lTop + lTextHeight, kCaptionFormatRightToLeft);
  else
    DrawTextAuto(hdc, item.cMICaption, lEdge, body.right - kTextRightInset, lTop, lTop + lTextHeight, kCaptionFormat);
  if (item.cMIStyle == tsSubMenu) PaintSubMenuArrow(hdc, i);
  if (!item.cMIHotKey.empty()) {
    const int lHotKeyWidth = MeasureTextWidth(hdc, item.cMIHotKey);
    const int x = m_Look.bRightToLeft ? kHotKeyRightInset : m_lWidth - kHotKeyRightInset - lHotKeyWidth;
    DrawTextAuto(hdc, item.cMIHotKey, x, x + lHotKeyWidth, lTop, lTop + lTextHeight, DT_NOPREFIX);
  }
  SetTextColor(hdc, oldColor);
  SetBkMode(hdc, oldMode);
}

int MenuWindowPainter::SubMenuArrowWidth(HDC hdc) {
  const StdFont glyphFont(kGlyphFontName, kGlyphFontSize);
  SelectedFont selected(hdc, glyphFont);
  return MeasureTextWidth(hdc, kGlyphRightArrow);
}

void MenuWindowPainter::PaintSubMenuArrow(HDC hdc, int i) const {
  const StdFont glyphFont(kGlyphFontName, kGlyphFontSize);
  SelectedFont selected(hdc, glyphFont);
  const std::string_view glyph = m_Look.bRightToLeft ? kGlyphLeftArrow : kGlyphRightArrow;
  const int lGlyphWidth = MeasureTextWidth(hdc, glyph);
  const int lGlyphHeight = MeasureTextHeight(hdc, glyph);
  const RECT box = m_Layout.HighlightBox(i, m_lWidth);
  const int x = m_Look.bRightToLeft ? kSubMenuArrowInset : m_lWidth - lGlyphWidth - kSubMenuArrowInset;
  const int y = box.top + (box.bottom - box.top) / 2 - lGlyphHeight / 2;
  TextOut(hdc, x, y, glyph);
}

void MenuWindowPainter::PaintSeparator(HDC hdc, int i) const {
  const tMenuRow& row = m_Layout.Row(i);
  const RECT body = Body();
  const int lEdge = MenuWindowLayout::TextEdge(m_Look.lMarginWidth, m_lWidth, m_Look.bRightToLeft);
  const int lLeft = m_Look.bRightToLeft ? kTextRightInset : lEdge;
  const int lRight = m_Look.bRightToLeft ? lEdge : body.right - kTextRightInset;
  styles::MenuStyle(m_Look.eStyle).DrawMenuSeparator(hdc, lLeft, lRight, row.lY - m_Layout.HalfGap(), Colors());
}

RECT MenuWindowPainter::ExpandArrowArea() const {
  const int lTop = m_lHeight - kExpandArrowZoneHeight;
  return RECT{kHighlightLeft, lTop, m_lWidth - kHighlightRightInset, lTop + kExpandArrowBoxHeight};
}

void MenuWindowPainter::PaintExpandArrow(HDC hdc, bool bHot) const {
  if (bHot) {
    const RECT box = ExpandArrowArea();
    styles::MenuStyle(m_Look.eStyle).DrawMenuExpandHighlight(hdc, box, Colors());
  }
  DrawArrowCell(hdc, bHot ? artwork::kInfreqHot : artwork::kInfreqNormal);
}

// The arrow picture stands on the artwork's key colour, which is left out.
void MenuWindowPainter::DrawArrowCell(HDC hdc, int iState) const {
  const cMemDC* strip = m_Artwork.Find(kArrowArtwork);
  if (strip == nullptr) return;
  const RECT box = ExpandArrowArea();
  const int lSourceX = (styles::ThemeIndex(m_Look.eTheme) * artwork::kInfreqStateCount + iState) * artwork::kInfreqCellWidth;
  const int x = (box.left + box.right - artwork::kInfreqCellWidth) / 2;
  const int y = box.top + (box.bottom - box.top - artwork::kInfreqCellHeight) / 2;
  for (int row = 0; row < artwork::kInfreqCellHeight; ++row) {
    for (int column = 0; column < artwork::kInfreqCellWidth; ++column) {
      const COLORREF pixel = GetPixel(strip->hdc(), lSourceX + column, row);
      if (pixel != artwork::kArtworkKeyColor) SetPixelV(hdc, x + column, y + row, pixel);
    }
  }
}

void MenuWindowPainter::PaintShadows(HDC hdc, const RECT& rcWindow) const {
  if (!m_Look.bShadows) return;
  const ScopedDC screen(nullptr);
  const POINT origin{rcWindow.left, rcWindow.top};
  const SIZE size{m_lWidth, m_lHeight};
  // The bottom strip first: the right one, drawn last, owns the corner.
  DrawEdgeShadow(hdc, screen.hdc(), origin, size, ShadowEdge::Bottom, m_lHeight - kMenuShadowSize, kShadowSkip,
                 Colors().ShadowFactors);
  DrawEdgeShadow(hdc, screen.hdc(), origin, size, ShadowEdge::Right, m_lWidth - kMenuShadowSize, kShadowSkip,
                 Colors().ShadowFactors);
}

void MenuWindowPainter::PaintJoin(HDC hdc, const tMenuJoin& join) const {
  if (!join.bDraw || join.lWidth < kJoinEnds) return;
  static constexpr styles::PerTheme<COLORREF> kJoinInner{RGB(151, 184, 232), RGB(186, 185, 205), RGB(194, 206, 159)};
  static constexpr styles::PerTheme<COLORREF> kJoinEdge{RGB(0, 0, 128), RGB(124, 124, 148), RGB(117, 141, 94)};
  // The caption moved by the placement's shift: offset - 1 pixels, when it moved at all.
  const int lShift = join.lOffset == 0 ? 0 : join.lOffset - 1;
  const COLORREF inner = styles::ByTheme(kJoinInner, m_Look.eTheme);
  const COLORREF edge = styles::ByTheme(kJoinEdge, m_Look.eTheme);
  if (m_Look.bRightToLeft) {
    // Mirrored: the menu hangs from the caption's right end, the edge pixel at its left end.
    const int lRight = Body().right - kFrameWidth + lShift;
    const int lEdge = lRight - join.lWidth + 1;
    DrawSolidRect(hdc, lEdge + 1, 0, lRight, 1, inner, kSolidRectFill);
    DrawSolidRect(hdc, lEdge, 0, lEdge + 1, 1, edge, kSolidRectFill);
    return;
  }
  const int lLeft = kFrameWidth + lShift;
  const int lRight = join.lWidth - 1 + lShift;
  DrawSolidRect(hdc, lLeft, 0, lRight, 1, inner, kSolidRectFill);
  DrawSolidRect(hdc, lRight, 0, lRight + 1, 1, edge, kSolidRectFill);
}
