#include "drop/DropPanelLayout.h"

namespace DropPanelLayout {

SIZE WithShadow(SIZE body) { return SIZE{body.cx + kShadowSize, body.cy + kShadowSize}; }

RECT Body(SIZE panel) { return RECT{0, 0, panel.cx - kShadowSize, panel.cy - kShadowSize}; }

SIZE ColorPickerSize() { return WithShadow(SIZE{kPageLeft * 2 + kPageWidth, kPageTop + kPageHeight + kPageLeft}); }

RECT TabRect(int i, int width) {
  const int inner = width - 2 * kPageLeft;
  const int left = kPageLeft + inner * i / kTabCount;
  const int right = kPageLeft + inner * (i + 1) / kTabCount;
  return RECT{left, kTabTop, right, kTabTop + kTabHeight};
}

std::optional<int> TabAt(POINT pt, int width) {
  for (int i = 0; i < kTabCount; ++i) {
    const RECT tab = TabRect(i, width);
    if (PtInRect(&tab, pt)) return i;
  }
  return std::nullopt;
}

RECT PageRect() { return RECT{kPageLeft, kPageTop, kPageLeft + kPageWidth, kPageTop + kPageHeight}; }

POINT ToPage(POINT pt) { return POINT{pt.x - kPageLeft, pt.y - kPageTop}; }

RECT CellRect(tCell cell) {
  const int top = cell.r < kPredefinedRows ? cell.r * kCellPitch : kCustomTop + (cell.r - kPredefinedRows) * kCellPitch;
  return RECT{cell.c * kCellPitch, top, (cell.c + 1) * kCellPitch, top + kCellPitch};
}

std::optional<tCell> CellAt(POINT page) {
  if (page.x < 0 || page.x >= kPageWidth) return std::nullopt;
  const int c = page.x / kCellPitch;
  if (page.y >= 0 && page.y < kPredefinedRows * kCellPitch) return tCell{c, page.y / kCellPitch};
  if (page.y >= kCustomTop && page.y < kPageHeight) return tCell{c, kPredefinedRows + (page.y - kCustomTop) / kCellPitch};
  return std::nullopt;
}

bool InButtonStrip(int y) { return y >= kButtonTop && y < kButtonBottom; }

RECT ButtonRect() { return RECT{0, kButtonTop, kPageWidth, kButtonBottom}; }

RECT ListRect() {
  const RECT page = PageRect();
  return RECT{page.left, page.top, page.right - kScrollBarWidth, page.bottom};
}

RECT ScrollBarRect() {
  const RECT page = PageRect();
  return RECT{page.right - kScrollBarWidth, page.top, page.right, page.bottom};
}

SIZE IconCellSize(int iconWidth, int iconHeight) {
  return SIZE{iconWidth + kIconCellMargin, iconHeight + kIconCellMargin};
}

SIZE IconGridPanelSize(int columns, int rows, SIZE cell) {
  return WithShadow(SIZE{columns * cell.cx + kGridRightMargin + kPanelBeyondGrid,
                        rows * cell.cy + kGridRightMargin + kPanelBeyondGrid});
}

RECT HotCellInner(int p, int q, SIZE cell) {
  constexpr int kInset = 6;
  const int x1 = p * cell.cx + kInset;
  const int y1 = q * cell.cy + kInset;
  return RECT{x1, y1, x1 + cell.cx - kIconCellMargin, y1 + cell.cy - kIconCellMargin};
}

int IconAt(POINT grid, int columns, int rows, SIZE cell, int toolCount) {
  if (grid.x < 0 || grid.y < 0 || cell.cx <= 0 || cell.cy <= 0) return 0;
  const int c = grid.x / cell.cx;
  const int r = grid.y / cell.cy;
  if (c >= columns || r >= rows) return 0;
  const int t = r * columns + c + 1;
  return t <= toolCount ? t : 0;
}

}  // namespace DropPanelLayout
