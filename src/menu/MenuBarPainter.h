// Paints the menu bar: the base image (background, gripper and every caption in its normal
// or disabled look) into the control's off-screen face, and the hover and pressed looks of
// one caption over whatever surface the caller gives. The visual style's painter draws the
// boxes; this class places icons and text by the bar's layout and picks text colours.
#pragma once
#include "common/ImageListSlot.h"
#include "menu/MenuBarLayout.h"
#include "render/modThemes.h"
#include "render/styles/ArtworkCache.h"

class StdFont;

// The control settings the bar paints with.
struct tBarLook {
  const StdFont* pFont = nullptr;  // DefaultMenuFont
  int iHeaderSpacing = 0;          // internal value
  ctsVisualStyleConstants eStyle = tsMS2003;
  ctsThemes eTheme = XPBlue;
  bool bRightToLeft = false;
  bool bEnabled = true;  // the control's Enabled
  OLE_COLOR lDisabledForeColor = 0;
  const tImageListSlot* pHeaderImages = nullptr;  // the imlMenuHeader slot
};

enum class eBarHighlight { Hover, Pressed };

class MenuBarPainter {
 public:
  explicit MenuBarPainter(styles::ArtworkCache& artwork) : m_Artwork(artwork) {}

  // Lays the bar out for a face of width x height (writing cMCollX and cMWidth) and paints
  // the base image into hdc; returns the layout the highlights are drawn by.
  tBarLayout PaintBase(HDC hdc, LONG width, LONG height, MenuTable& menus, const tBarLook& look) const;

  // Paints menu iMenu hovered or pressed, then its icon and text again on top. Captions the
  // layout did not draw stay undrawn. `alternate` picks the style's alternate pressed look.
  void PaintHighlight(HDC hdc, const tBarLayout& layout, const MenuTable& menus, const tBarLook& look, int iMenu,
                      eBarHighlight highlight, bool alternate) const;

 private:
  void DrawCaption(HDC hdc, const tBarCaption& caption, const tMenuInfo& menu, const tBarLook& look,
                   COLORREF textColour) const;

  styles::ArtworkCache& m_Artwork;
};
