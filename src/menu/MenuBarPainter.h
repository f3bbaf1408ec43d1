// Paints the menu bar from its finished layout: the base image (background, gripper and every
// caption in its normal or disabled look) into the control's off-screen face, and the hover
// and pressed looks of one caption over whatever surface the caller gives. The visual style
// draws the boxes; this class places icons and text where the layout put them and picks text
// colours. It reads the layout and the menus and changes neither.
#pragma once
#include "common/ImageListSlot.h"
#include "menu/MenuBarLayout.h"
#include "render/modThemes.h"
#include "render/styles/ArtworkCache.h"
#include "render/styles/IBarStyle.h"

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

class MenuBarPainter {
 public:
  explicit MenuBarPainter(styles::ArtworkCache& artwork) : m_Artwork(artwork) {}

  // Paints the base image of `layout` into hdc, a face of width x height.
  void PaintBase(HDC hdc, LONG width, LONG height, const MenuTable& menus, const tBarLayout& layout,
                 const tBarLook& look) const;

  // Paints menu iMenu hovered or pressed, then its icon and text again on top. Captions the
  // layout did not draw stay undrawn.
  void PaintHighlight(HDC hdc, const tBarLayout& layout, const MenuTable& menus, const tBarLook& look, int iMenu,
                      styles::eBarCaption state) const;

 private:
  void DrawCaption(HDC hdc, const tBarCaption& caption, const tMenuInfo& menu, const tBarLook& look,
                   COLORREF textColour) const;

  styles::ArtworkCache& m_Artwork;
};
