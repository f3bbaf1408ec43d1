#include "menu/MenuBarPainter.h"

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"
#include "render/modImageList.h"
#include "render/styles/IVisualStyle.h"

namespace {

bool CaptionEnabled(const tMenuInfo& menu, const tBarLook& look) {
  return menu.cMEnabled != VARIANT_FALSE && look.bEnabled;
}

tBarLayoutInput LayoutInput(const tBarLook& look, LONG width) {
  tBarLayoutInput input;
  input.iHeaderSpacing = look.iHeaderSpacing;
  input.bRightToLeft = look.bRightToLeft;
  input.lControlWidth = width;
  if (look.pHeaderImages != nullptr && look.pHeaderImages->hImageList != 0) {
    input.bHasImageList = true;
    input.iIconWidth = look.pHeaderImages->iImageWidth;
    input.iIconHeight = look.pHeaderImages->iImageHeight;
  }
  return input;
}

}  // namespace

tBarLayout MenuBarPainter::PaintBase(HDC hdc, LONG width, LONG height, MenuTable& menus, const tBarLook& look) const {
  const SelectedFont font(hdc, look.pFont);
  tBarLayout layout = MenuBarLayout::Compute(menus, LayoutInput(look, width), hdc);
  styles::VisualStyle(look.eStyle)
      .DrawBarBackground(hdc, RECT{0, 0, width, height}, layout.lBarHeight, look.eTheme, m_Artwork);
  for (const tBarCaption& caption : layout.captions) {
    if (!caption.bDrawn) continue;
    const tMenuInfo& menu = menus.Menu(caption.iMenu);
    const OLE_COLOR colour = CaptionEnabled(menu, look) ? menu.cMForeColor : look.lDisabledForeColor;
    DrawCaption(hdc, caption, menu, look, TranslateOleColor(colour));
  }
  return layout;
}

void MenuBarPainter::PaintHighlight(HDC hdc, const tBarLayout& layout, const MenuTable& menus, const tBarLook& look,
                                    int iMenu, eBarHighlight highlight, bool alternate) const {
  const tBarCaption* caption = layout.Find(iMenu);
  if (caption == nullptr || !caption->bDrawn) return;
  const tMenuInfo& menu = menus.Menu(iMenu);
  const styles::IVisualStyle& style = styles::VisualStyle(look.eStyle);
  if (highlight == eBarHighlight::Hover) {
    style.DrawBarHoverBox(hdc, MenuBarLayout::HoverBox(menu, look.iHeaderSpacing, layout.lBarHeight), look.eTheme);
  } else {
    style.DrawBarPressedBox(hdc, MenuBarLayout::PressedBox(menu, look.iHeaderSpacing, layout.lBarHeight), look.eTheme,
                            alternate, m_Artwork);
  }
  const COLORREF colour = CaptionEnabled(menu, look)
                              ? style.BarHighlightTextColor(look.eTheme, TranslateOleColor(menu.cMForeColor))
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
