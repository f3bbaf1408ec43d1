// Geometry of a drop-down menu window, as a pure function of the menu's items and a few
// metrics: the vertical row layout (shared by painting, mouse hit tests and keyboard moves),
// the hit tests, the horizontal positions of icon, text, highlight box and sub-menu arrow,
// and the window size. All values are pixels of the window's client area.
#pragma once
#include <cstdint>
#include <vector>

#include "menu/MenuRecords.h"
#include "win32/types.h"

// No row: the highlighted-row value of a menu window with nothing under the mouse.
inline constexpr int kNoMenuRow = -1;

// Fixed sizes of the window's furniture.
inline constexpr int kMenuShadowSize = 3;           // visible shadow rows at the bottom, columns at the right
inline constexpr int kMenuShadowWidthExtra = 3;      // added to the window width for the shadow
inline constexpr int kMenuShadowHeightExtra = 4;     // added to the window height for the shadow
inline constexpr int kExpandArrowZoneHeight = 23;   // the bottom zone holding the expand arrow
inline constexpr int kExpandArrowBoxHeight = 17;    // its highlight box
inline constexpr int kMinMarginWidth = 24;          // the narrowest icon column
inline constexpr int kMarginIconPadding = 8;        // icon width + this = icon column width
inline constexpr int kTextGap = 12;                 // between the icon column and the text
inline constexpr int kContentPadding = 12;          // added to the widest item's texts
inline constexpr int kHighlightLeft = 2;            // highlight box left edge
inline constexpr int kHighlightRightInset = 6;      // highlight box right edge from the window's
inline constexpr int kHotKeyRightInset = 30;        // hot-key text ends this far before the edge
// Caption + hot key + padding alone would put the right-aligned hot-key column 15 pixels into
// the widest caption; an item with a hot key reserves this much more so that a clear gap of
// 15 pixels separates the two columns.
inline constexpr int kHotKeyColumnGap = 30;
inline constexpr int kSubMenuArrowInset = 9;        // sub-menu glyph from the window's edge
// A sub-menu item reserves room for its arrow beyond the content padding: the glyph, its inset
// and a clear gap as wide as the one before the hot-key column.
inline constexpr int kSubMenuArrowGap = kHotKeyColumnGap / 2;

// One item's place in the row layout. Items that take no space (invisible, or infrequent
// while infrequent items are hidden) are not shown and have no band.
struct tMenuRow {
  bool bShown = false;
  bool bSeparator = false;
  bool bSubMenu = false;
  int lY = 0;           // the item's top y (a separator's line lies at y - h)
  int lBandTop = 0;     // y - h (caption and sub-menu rows)
  int lBandBottom = 0;  // y + H + h, inclusive
};

class MenuWindowLayout {
 public:
  // Half gap h = (S - 1) / 2 + 1 and first top (S - 7) / 2 + 6, both rounded to the nearest.
  static int HalfGap(int iItemSpacing);
  static int FirstTop(int iItemSpacing);
  // Line height H: the larger of the text height and the icon height.
  static int LineHeight(int lTextHeight, int lIconHeight);
  // Icon column width M: the larger of 24 and icon width + 8.
  static int MarginWidth(int lIconWidth);
  // Window width M + C + 12 (+ 3 with shadows); C the widest item's caption + hot key + 12.
  static int WindowWidth(int lMarginWidth, int lContentWidth, bool bShadows);

  // items: element 0 unused, 1..iCount the menu's items.
  MenuWindowLayout(const std::vector<tMenuItemInfo>& items, int iCount, int iItemSpacing, int lLineHeight,
                   bool bInfrequentsHidden);

  int ItemSpacing() const { return m_S; }
  int LineHeight() const { return m_H; }
  int HalfGap() const { return m_h; }
  int Count() const { return static_cast<int>(m_Rows.size()) - 1; }
  // Row of item i (1..Count); a default (not shown) row outside.
  const tMenuRow& Row(int i) const;
  // Whether any infrequent item is hidden by the layout.
  bool HasHiddenInfrequents() const { return m_bHasHiddenInfrequents; }

  // The window height: the shown rows and the frame below them (+ 4 with shadows), or with the
  // expand arrow shown, the rows and the 23-pixel arrow zone below them.
  int WindowHeight(bool bExpandArrow, bool bShadows) const;

  // The first caption or sub-menu row whose band holds Y (with bCaptionsOnly, caption rows
  // only; a sub-menu row is then passed over), or kNoMenuRow. Never a separator.
  int HitTest(int Y, bool bCaptionsOnly = false) const;
  // Whether Y lies exactly on a shown separator's line (Y = y - h at that separator).
  bool IsOnSeparatorLine(int Y) const;
  // The expand-arrow zone: the bottom 23 pixels of a window of height lWindowHeight.
  static bool InExpandArrowZone(int Y, int lWindowHeight);

  // The highlight box of a shown row: x from 2 to width - 6, vertically inside its band.
  RECT HighlightBox(int i, int lWindowWidth) const;
  // Where the caption text goes: its left edge (right edge in right-to-left mode).
  static int TextEdge(int lMarginWidth, int lWindowWidth, bool bRightToLeft);
  // The icon's left edge, centred in the icon column.
  static int IconLeft(int lMarginWidth, int lIconWidth, int lWindowWidth, bool bShadows, bool bRightToLeft);

 private:
  std::vector<tMenuRow> m_Rows;  // element 0 unused
  int m_S;
  int m_H;
  int m_h;
  int m_lEndY = 0;  // y after the last item
  int m_lLastBottom = 0;
  bool m_bHasHiddenInfrequents = false;
};
