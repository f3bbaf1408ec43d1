// Painting the panels' bodies (the shadow beside them is drawn once, when they open): the
// colour picker's frame, page tabs, palette page with its swatches, the cell under the mouse
// (in the visual style's hot-cell look) and the "More Colors" strip; the icon grid's cells
// with their icons, the hot and the pressed cell.
#include <algorithm>
#include <string>

#include "drop/DropPanel.h"
#include "render/MUnicodeSupport.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"
#include "render/modImageList.h"
#include "render/styles/IPanelStyle.h"

namespace {

constexpr OLE_COLOR kPanelBack = kOleSystemColorFlag | COLOR_WINDOW;
constexpr OLE_COLOR kTabBack = kOleSystemColorFlag | COLOR_BTNFACE;
constexpr COLORREF kSwatchFrame = RGB(128, 128, 128);
constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;  // 37
constexpr int kButtonInset = 2;
constexpr int kHotBoxReach = 2;  // a style's hot box reaches this far beyond its inner box

void Fill(HDC hdc, const RECT& rc, OLE_COLOR colour) {
  DrawSolidRect(hdc, rc.left, rc.top, rc.right, rc.bottom, colour, kSolidRectFill);
}

void Frame(HDC hdc, const RECT& rc, OLE_COLOR colour) {
  DrawSolidRect(hdc, rc.left, rc.top, rc.right, rc.bottom, colour, kSolidRectFrame);
}

RECT Offset(RECT rc, POINT by) {
  OffsetRect(&rc, by.x, by.y);
  return rc;
}

void CentredText(HDC hdc, const std::string& sText, const RECT& rc, OLE_COLOR foreColor) {
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, TranslateOleColor(foreColor));
  DrawTextAuto(hdc, sText, rc.left, rc.right, rc.top, rc.bottom, kCentredLine);
}

}  // namespace

const styles::Palette& DropPanel::PaintBody(HDC hdc) const {
  const styles::Palette& palette = styles::PaletteFor(m_Setup.eStyle, m_Setup.eTheme);
  const RECT body = Body();
  Fill(hdc, body, kPanelBack);
  Frame(hdc, body, palette.MenuBorder);
  return palette;
}

void DropPanel::PaintColorPicker(HDC hdc) const {
  namespace layout = DropPanelLayout;
  const styles::Palette& palette = PaintBody(hdc);
  const RECT body = Body();
  const SelectedFont font(hdc, m_Setup.oFont.get());

  for (int i = 0; i < layout::kTabCount; ++i) {
    const RECT tab = layout::TabRect(i, body.right);
    const bool bSelected = i == m_ePage;
    Fill(hdc, tab, bSelected ? palette.PanelHighlightFill : kTabBack);
    Frame(hdc, tab, palette.MenuBorder);
    CentredText(hdc, TabCaption(static_cast<ePage>(i)), tab, m_Setup.lForeColor);
  }
  if (m_ePage != kPalettePage) return;  // the list and its scroll bar paint themselves

  const RECT page = layout::PageRect();
  const POINT origin{page.left, page.top};
  for (int c = 0; c < kPaletteColumns; ++c) {
    for (int r = 0; r < kPaletteRows; ++r) {
      const layout::tCell cell{c, r};
      RECT swatch = Offset(layout::CellRect(cell), origin);
      InflateRect(&swatch, -layout::kSwatchInset, -layout::kSwatchInset);
      if (m_Current == cell) {
        // The hot box fills the whole cell around the swatch.
        RECT inner = swatch;
        InflateRect(&inner, kHotBoxReach - layout::kSwatchInset, kHotBoxReach - layout::kSwatchInset);
        styles::PanelStyle(m_Setup.eStyle).DrawPanelHotCell(hdc, inner, palette);
        Frame(hdc, Offset(layout::CellRect(cell), origin), palette.PanelHighlightOutline);
      }
      Fill(hdc, swatch, Colors(c, r));
      Frame(hdc, swatch, kSwatchFrame);
    }
  }
  RECT button = Offset(layout::ButtonRect(), origin);
  InflateRect(&button, -kButtonInset, 0);
  if (m_bDialogOpen) {
    Fill(hdc, button, palette.PressedFill);
  } else if (m_bButtonHot) {
    Fill(hdc, button, palette.PanelHighlightFill);
  }
  Frame(hdc, button, m_bButtonHot || m_bDialogOpen ? palette.PanelHighlightOutline : palette.MenuBorder);
  CentredText(hdc, MoreColorsText(), button, m_Setup.lForeColor);
}

void DropPanel::PaintIconGrid(HDC hdc) const {
  namespace layout = DropPanelLayout;
  const styles::Palette& palette = PaintBody(hdc);
  const tDropDownItemInfo& dropDown = m_Setup.DropDown;
  if (dropDown.cDIColumns < 1) return;
  const int count = std::min<int>(dropDown.cDIToolCount, dropDown.cDIColumns * dropDown.cDIRows);
  for (int t = 1; t <= count; ++t) {
    const tDropToolItemInfo& icon = Icon(t);
    RECT inner = layout::HotCellInner((t - 1) % dropDown.cDIColumns, (t - 1) / dropDown.cDIColumns, m_Setup.cell);
    OffsetRect(&inner, layout::kGridOrigin.x, layout::kGridOrigin.y);
    // The box two pixels around the icon, both of its far edges drawn.
    const RECT box{inner.left - kHotBoxReach, inner.top - kHotBoxReach, inner.right + kHotBoxReach + 1,
                   inner.bottom + kHotBoxReach + 1};
    const bool bEnabled = IsTrue(icon.cDTIEnabled);
    const bool bPressed = t == m_iPressedIcon;
    const bool bHot = t == m_iHotIcon && bEnabled;
    if (bPressed) {
      Fill(hdc, box, palette.PressedFill);
    } else if (bHot) {
      styles::PanelStyle(m_Setup.eStyle).DrawPanelHotCell(hdc, inner, palette);
    }
    std::int16_t index = icon.cDTIIconIndex;
    if (!bEnabled && icon.cDTIIconDisabledIndex != kNoDropIcon) index = icon.cDTIIconDisabledIndex;
    if ((bHot || bPressed) && icon.cDTIIconHoverIndex != kNoDropIcon) index = icon.cDTIIconHoverIndex;
    if (index != 0 && index != kNoDropIcon) {
      DrawListImage(m_Setup.Icons.oImageList, hdc, m_Setup.Icons.hImageList, index, inner.left, inner.top, false, false);
    }
    if (bHot || bPressed) Frame(hdc, box, palette.PanelHighlightOutline);
  }
}
