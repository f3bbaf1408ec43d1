#include "menu/MenuBarPainter.h"

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"
#include "render/modImageList.h"
#include "render/styles/Palette.h"

namespace {

bool CaptionEnabled(const tMenuInfo& menu, const tBarLook& look) {
  return menu.cMEnabled != VARIANT_FALSE && look.bEnabled;
}

}  // namespace

void MenuBarPainter::PaintBase(HDC hdc, LONG width, LONG height, const MenuTable& menus, const tBarLayout& layout,
                               const tBarLook& look) const {
  const SelectedFont font(hdc, look.pFont);
  styles::BarStyle(look.eStyle)
      .DrawBarBackground(hdc, RECT{0, 0, width, height}, layout.lBarHeight, styles::PaletteFor(look.eStyle, look.eTheme),
                         m_Artwork);
  for (const tBarCaption& caption : layout.captions) {
    if (!caption.bDrawn) continue;
    const tMenuInfo& menu = menus.Menu(caption.iMenu);
    const OLE_COLOR colour = CaptionEnabled(menu, look) ? menu.cMForeColor : look.lDisabledForeColor;
    DrawCaption(hdc, caption, menu, look, TranslateOleColor(colour));
  }
}

void MenuBarPainter::PaintHighlight(HDC hdc, const tBarLayout& layout, const MenuTable& menus, const tBarLook& look,
                                    int iMenu, styles::eBarCaption state) const {
  const tBarCaption* caption = layout.Find(iMenu);
  if (caption == nullptr || !caption->bDrawn) return;
  const tMenuInfo& menu = menus.Menu(iMenu);
  const styles::IBarStyle& style = styles::BarStyle(look.eStyle);
  const styles::Palette& palette = styles::PaletteFor(look.eStyle, look.eTheme);
  const RECT box = state == styles::eBarCaption::Hover
                       ? MenuBarLayout::HoverBox(menu, look.iHeaderSpacing, layout.lBarHeight)
                       : MenuBarLayout::PressedBox(menu, look.iHeaderSpacing, layout.lBarHeight);
  style.DrawBarCaptionBox(hdc, box, state, palette, m_Artwork);
  const COLORREF colour = CaptionEnabled(menu, look) ? style.BarCaptionTextColor(TranslateOleColor(menu.cMForeColor), palette)
                                                     : TranslateOleColor(look.lDisabledForeColor);
  const SelectedFont font(hdc, look.pFont);
  DrawCaption(hdc, *caption, menu, look, colour);
}

void MenuBarPainter::DrawCaption(HDC hdc, const tBarCaption& caption, const tMenuInfo& menu, const tBarLook& look,
                                 COLORREF textColour) const {
  if (caption.iIconWidth > 0) {
    const std::int16_t index = CaptionEnabled(menu, look) ? menu.cMIconIndex : menu.cMIconDisabledIndex;
    const tImageListSlot& images = *look.pHeaderImages;
    DrawListImage(images.oImageList, hdc, images.hImageList, index, caption.ptIcon.x, caption.ptIcon.y, false, false);
  }
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, textColour);
  const UINT flags = DT_SINGLELINE | (look.bRightToLeft ? DT_RIGHT : 0);
  const RECT& text = caption.rcText;
  DrawTextAuto(hdc, menu.cMCaption, text.left, text.right, text.top, text.bottom, flags);
}
