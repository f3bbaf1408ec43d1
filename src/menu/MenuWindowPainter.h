// Painting of a drop-down menu window: the base image (background, icon column, frame, every
// row in its normal state, the expand arrow), one row in its highlighted or normal state, the
// expand arrow's hot state, the shadow strips taken from the screen and the join under the
// pressed bar caption. The painter reads the layout and the window's settings and never
// changes them; the window decides what to paint when.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "container/AutomationObject.h"
#include "container/Ole.h"
#include "container/StdFont.h"
#include "menu/MenuRecords.h"
#include "menu/MenuWindowLayout.h"
#include "render/modThemes.h"
#include "render/styles/ArtworkCache.h"
#include "render/styles/Palette.h"
#include "win32/windows.h"

// The appearance settings a menu window copies from the control when it is shown.
struct tMenuLook {
  ctsVisualStyleConstants eStyle = tsMS2003;
  ctsThemes eTheme = XPBlue;
  bool bRightToLeft = false;
  bool bShadows = true;
  bool bHighlightInfrequents = true;
  std::shared_ptr<StdFont> oItemFont;  // DefaultMenuItemFont
  int lMarginWidth = kMinMarginWidth;
  int lIconWidth = 0;
  int lIconHeight = 0;
  ObjectRef oImageList;  // the imlMenuItems slot
  std::int32_t hImageList = 0;
};

// The one-pixel join along a bar menu's top edge under the pressed caption: its width in
// pixels from the window's left edge, and the join offset of the placement.
struct tMenuJoin {
  bool bDraw = false;
  int lWidth = 0;
  int lOffset = 0;
};

// The pixels of the 14-pixel check mark, as offsets from its centre.
struct tCheckMarkPixel {
  int dx;
  int dy;
};
inline constexpr tCheckMarkPixel kCheckMarkPixels[] = {{-2, -3}, {-2, -2}, {-1, -2}, {-1, -1}, {0, -1},
                                                       {0, 0},   {1, -1},  {1, -2},  {2, -2},  {2, -3},
                                                       {3, -3},  {3, -4},  {4, -4},  {4, -5}};
// The system grey-text colour as an OLE colour (disabled items and check marks).
inline constexpr OLE_COLOR kGrayTextOleColor = 0x80000011;

// DefaultMenuItemFont with the item's bold, italic, underline and strike-through flags.
std::shared_ptr<StdFont> MenuItemFont(const StdFont& base, const tMenuItemInfo& item);

class MenuWindowPainter {
 public:
  MenuWindowPainter(const tMenuLook& look, const std::vector<tMenuItemInfo>& items, const MenuWindowLayout& layout,
                    int lWidth, int lHeight, bool bExpandArrow, styles::ArtworkCache& artwork);
  ~MenuWindowPainter();
  MenuWindowPainter(const MenuWindowPainter&) = delete;
  MenuWindowPainter& operator=(const MenuWindowPainter&) = delete;

  // The full paint in the normal state: background, icon column, frame, separators, every
  // shown row and the expand arrow.
  void PaintBase(HDC hdc) const;
  // Row i drawn over what is already there: highlighted, or in its normal state.
  void PaintRow(HDC hdc, int i, bool bHighlighted) const;
  // The expand arrow, normal or hot (with its highlight box).
  void PaintExpandArrow(HDC hdc, bool bHot) const;
  // The rectangle PaintRow and PaintExpandArrow cover, to restore from the base image first.
  RECT RowArea(int i) const;
  RECT ExpandArrowArea() const;

  // The shadow strips: reads the screen under the window (which must not be visible yet)
  // at rcWindow, screen pixels, and writes the darkened pixels into hdc.
  void PaintShadows(HDC hdc, const RECT& rcWindow) const;
  void PaintJoin(HDC hdc, const tMenuJoin& join) const;

  // The margin cell holding an item's icon or check box, and the check mark's centre in it.
  RECT CheckBox(int i) const;
  static POINT CheckMarkCentre(const RECT& cell);
  // The width of the sub-menu arrow glyph, measured on hdc in the arrow's own font.
  static int SubMenuArrowWidth(HDC hdc);

 private:
  const styles::Palette& Colors() const;
  bool RowMayShow(HDC hdc, const tMenuRow& row) const;
  RECT Body() const;
  RECT MarginColumn() const;
  COLORREF TextColor(const tMenuItemInfo& item, bool bHighlighted) const;
  void PaintInfrequentBackground(HDC hdc, int i) const;
  void PaintHighlight(HDC hdc, int i) const;
  void PaintIcon(HDC hdc, int i, bool bHighlighted) const;
  void PaintCheck(HDC hdc, int i) const;
  void PaintTexts(HDC hdc, int i, bool bHighlighted) const;
  void PaintSubMenuArrow(HDC hdc, int i) const;
  void PaintSeparator(HDC hdc, int i) const;
  void DrawArrowCell(HDC hdc, int iState) const;
  // The item font for an item's bold, italic, underline and strike-through settings, made on
  // first use in this painting: rows share the few combinations instead of making a font each.
  HFONT ItemFont(const tMenuItemInfo& item) const;

  const tMenuLook& m_Look;
  const std::vector<tMenuItemInfo>& m_Items;
  const MenuWindowLayout& m_Layout;
  int m_lWidth;
  int m_lHeight;
  bool m_bExpandArrow;
  styles::ArtworkCache& m_Artwork;
  static constexpr std::size_t kFontStyles = 16;  // the four settings' combinations
  mutable std::array<HFONT, kFontStyles> m_ItemFonts{};
};
