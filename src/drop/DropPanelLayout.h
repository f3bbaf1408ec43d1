// Where things lie on a drop panel, in the panel's client pixels: the body and the shadow
// along its right and bottom edges; the colour picker's page tabs, its palette page (cells on
// an 18-pixel pitch, the "More Colors" strip between the predefined and the custom rows) and
// its system page; the icon grid's cells.
#pragma once
#include <optional>

#include "drop/DropColors.h"
#include "win32/windows.h"

namespace DropPanelLayout {

// ---- every panel: the shadow, as a menu window's, in the last columns and rows ----
inline constexpr int kShadowSize = 3;
inline constexpr int kShadowUndarkened = 3;  // screen pixels copied unchanged at a strip's start
// The panel around a body of `body` size, and the body of a panel of `panel` size.
SIZE WithShadow(SIZE body);
RECT Body(SIZE panel);

// ---- colour picker ----
inline constexpr int kTabCount = 2;  // "Palette", "System"
inline constexpr int kTabTop = 3;
inline constexpr int kTabHeight = 18;
inline constexpr int kPageLeft = 4;
inline constexpr int kPageTop = 24;
inline constexpr int kCellPitch = 18;
inline constexpr int kSwatchInset = 3;  // a swatch leaves this much of its cell on every side
// Page rows: the six predefined rows, the button strip, then the two custom rows.
inline constexpr int kButtonTop = 110;
inline constexpr int kButtonBottom = 130;
inline constexpr int kCustomTop = 132;
inline constexpr int kPageWidth = kPaletteColumns * kCellPitch;
inline constexpr int kPageHeight = kCustomTop + (kPaletteRows - kPredefinedRows) * kCellPitch;
inline constexpr int kScrollBarWidth = 16;

struct tCell {
  int c = 0;
  int r = 0;
  bool operator==(const tCell&) const = default;
};

// The colour picker's size, its shadow included.
SIZE ColorPickerSize();
// The page tab i (0 palette, 1 system) of a body `width` wide; the tab under pt, if any.
RECT TabRect(int i, int width);
std::optional<int> TabAt(POINT pt, int width);
// The page in panel pixels; a panel point in page pixels.
RECT PageRect();
POINT ToPage(POINT pt);
// The cell (c, r) in page pixels, and the cell under a page point.
RECT CellRect(tCell cell);
std::optional<tCell> CellAt(POINT page);
// Whether a page y lies in the "More Colors" strip; the strip in page pixels.
bool InButtonStrip(int y);
RECT ButtonRect();
// The system page's list and its scroll bar, in panel pixels.
RECT ListRect();
RECT ScrollBarRect();

// ---- icon grid ----
inline constexpr POINT kGridOrigin{2, 2};  // picDrop's corner in the panel
inline constexpr int kIconCellMargin = 8;   // a cell is its icon plus this
inline constexpr int kPanelBeyondGrid = 5;  // the panel is picDrop plus this
inline constexpr int kGridRightMargin = 5;  // the last cell's box ends this far inside picDrop

SIZE IconCellSize(int iconWidth, int iconHeight);
// The panel that holds `columns` x `rows` cells of `cell` size, its shadow included.
SIZE IconGridPanelSize(int columns, int rows, SIZE cell);
// The icon box of the cell at column p, row q (0-based) in picDrop pixels: x1, y1, x2, y2.
RECT HotCellInner(int p, int q, SIZE cell);
// The tool number (1-based, row by row) of the cell under a picDrop point; 0 for none.
int IconAt(POINT grid, int columns, int rows, SIZE cell, int toolCount);

}  // namespace DropPanelLayout
