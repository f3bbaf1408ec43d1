// Painting the windowless list: rows of a colour swatch and a name on a light background,
// the selected row highlighted, composed off-screen and copied into the host window.
#include <algorithm>

#include "common/ScopedDC.h"
#include "drop/CWlessListBox.h"
#include "render/MUnicodeSupport.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"

namespace {

constexpr COLORREF kListBackground = RGB(246, 246, 246);
constexpr OLE_COLOR kSelectedFill = kOleSystemColorFlag | COLOR_HIGHLIGHT;
constexpr OLE_COLOR kSelectedText = kOleSystemColorFlag | COLOR_HIGHLIGHTTEXT;
constexpr OLE_COLOR kSwatchOutline = kOleSystemColorFlag | COLOR_BTNFACE;
constexpr LONG kItemPadding = 2;  // the text's height plus this makes a row
constexpr int kSwatchLeft = 3;
constexpr int kSwatchRightPastRow = 1;  // the swatch is as wide as the row is high, less this
constexpr int kSwatchInset = 1;         // above and below the swatch
constexpr int kSelectionLeftPastRow = 4;
constexpr int kTextLeftPastRow = 6;
constexpr UINT kTextFormat = DT_VCENTER | DT_SINGLELINE;

// The highlighted part of a selected row: from just before the text to the right edge.
RECT SelectionBox(LONG rowTop, LONG itemHeight, LONG width) {
  return RECT{itemHeight + kSelectionLeftPastRow, rowTop, width, rowTop + itemHeight};
}

void DrawSwatch(HDC hdc, LONG rowTop, LONG itemHeight, OLE_COLOR colour) {
  HBRUSH brush = CreateSolidBrush(TranslateOleColor(colour));
  HPEN pen = CreatePen(PS_SOLID, 1, TranslateOleColor(kSwatchOutline));
  HGDIOBJ oldBrush = SelectObject(hdc, brush);
  HGDIOBJ oldPen = SelectObject(hdc, pen);
  Rectangle(hdc, kSwatchLeft, rowTop + kSwatchInset, itemHeight + kSwatchRightPastRow,
            rowTop + itemHeight - kSwatchInset);
  SelectObject(hdc, oldPen);
  SelectObject(hdc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

}  // namespace

void CWlessListBox::Render() {
  const LONG width = m_Rect.right - m_Rect.left;
  const LONG height = m_Rect.bottom - m_Rect.top;
  if (!m_bVisible || m_hDropHwnd == nullptr || !IsWindow(m_hDropHwnd) || width <= 0 || height <= 0) return;
  m_Surface.ChangeSize(width, height);
  HDC hdc = m_Surface.hdc();
  if (hdc == nullptr) return;
  DrawSolidRect(hdc, 0, 0, width, height, kListBackground, kSolidRectFill);
  SelectedFont font(hdc, m_Font.get());
  m_lItemHeight = MeasureTextHeight(hdc) + kItemPadding;
  SetBkMode(hdc, TRANSPARENT);
  LONG selectedTop = -1;
  LONG rowTop = 0;
  for (std::int32_t index = std::max(m_lTopIndex, 0); index < ListCount() && rowTop < height; ++index) {
    const tItem& item = m_Items[static_cast<size_t>(index)];
    OLE_COLOR text = m_ForeColor;
    if (index == m_lListIndex) {
      const RECT box = SelectionBox(rowTop, m_lItemHeight, width);
      DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, kSelectedFill, kSolidRectFill);
      text = kSelectedText;
      selectedTop = rowTop;
    }
    DrawSwatch(hdc, rowTop, m_lItemHeight, item.Color);
    SetTextColor(hdc, TranslateOleColor(text));
    DrawTextAuto(hdc, item.sText, m_lItemHeight + kTextLeftPastRow, width, rowTop, rowTop + m_lItemHeight, kTextFormat);
    rowTop += m_lItemHeight;
  }
  ScopedDC window(m_hDropHwnd);
  BitBlt(window.hdc(), m_Rect.left, m_Rect.top, width, height, hdc, 0, 0, SRCCOPY);
  if (m_bHasFocus && selectedTop >= 0) {
    RECT focus = SelectionBox(selectedTop, m_lItemHeight, width);
    OffsetRect(&focus, m_Rect.left, m_Rect.top);
    focus.bottom = std::min(focus.bottom, m_Rect.bottom);
    DrawFocusRect(window.hdc(), &focus);
  }
}
