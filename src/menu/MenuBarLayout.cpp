#include "menu/MenuBarLayout.h"

#include <algorithm>
#include <cmath>

#include "render/MUnicodeSupport.h"

namespace {

// The first caption starts this far in from the bar's edge, plus half the header spacing.
constexpr double kCaptionIndent = 13;
// Between an icon and its caption text.
constexpr int kIconGap = 2;
// Hover and pressed boxes start this far left of the caption box and 1 pixel below the top;
// the hover box ends this far above the bar's bottom, the pressed box reaches it.
constexpr int kHighlightLeftInset = 2;
constexpr int kHighlightTop = 1;
constexpr int kHoverBottomInset = 2;

double HalfSpacing(int iHeaderSpacing) { return iHeaderSpacing / 2.0; }

// Pixel positions computed in floating point land on whole pixels the way the runtime's
// conversion to an integer does: to the nearest, halves to even.
int ToPixel(double value) { return static_cast<int>(std::nearbyint(value)); }

RECT HighlightBox(const tMenuInfo& menu, int iHeaderSpacing, int bottom) {
  const double half = HalfSpacing(iHeaderSpacing);
  return RECT{ToPixel(menu.cMCollX - kHighlightLeftInset - half), kHighlightTop,
              ToPixel(menu.cMCollX + menu.cMWidth + half), bottom};
}

}  // namespace

const tBarCaption* tBarLayout::Find(int iMenu) const {
  const auto found = std::find_if(captions.begin(), captions.end(),
                                  [iMenu](const tBarCaption& caption) { return caption.iMenu == iMenu; });
  return found != captions.end() ? &*found : nullptr;
}

bool MenuBarLayout::IsBarMenu(const tMenuInfo& menu) {
  return menu.cMStyle == tsPrimaryMenu && menu.cMVisible != VARIANT_FALSE;
}

tBarLayout MenuBarLayout::Compute(MenuTable& menus, const tBarLayoutInput& input, HDC measureDC) {
  tBarLayout layout;
  layout.bRightToLeft = input.bRightToLeft;
  bool anyBarMenu = false;
  for (int i = 1; i <= menus.Count(); ++i) anyBarMenu = anyBarMenu || IsBarMenu(menus.Menu(i));
  if (!anyBarMenu) return layout;

  const int sampleHeight = MeasureLineHeight(measureDC);
  const int tallest = input.bHasImageList ? std::max(input.iIconHeight, sampleHeight) : sampleHeight;
  layout.lBarHeight = 2 * kBarVerticalMargin + tallest;
  const double middle = layout.lBarHeight / 2.0;

  const int indent = ToPixel(HalfSpacing(input.iHeaderSpacing) + kCaptionIndent);
  int x = input.bRightToLeft ? input.lControlWidth - indent : indent;
  for (int i = 1; i <= menus.Count(); ++i) {
    tMenuInfo& menu = menus.Menu(i);
    if (!IsBarMenu(menu)) continue;
    const int textWidth = MeasureTextWidth(measureDC, menu.cMCaption);
    const int textHeight = MeasureTextHeight(measureDC, menu.cMCaption);

    tBarCaption caption;
    caption.iMenu = i;
    caption.iIconWidth = input.bHasImageList && menu.cMIconIndex > 0 ? input.iIconWidth : 0;
    const int width = textWidth + caption.iIconWidth + (caption.iIconWidth > 0 ? kIconGap : 0);
    menu.cMCollX = input.bRightToLeft ? x - width : x;
    menu.cMWidth = width;
    caption.bDrawn = input.lControlWidth >= menu.cMCollX + menu.cMWidth;

    if (caption.iIconWidth > 0) {
      caption.ptIcon =
          POINT{input.bRightToLeft ? x - caption.iIconWidth : x, ToPixel(middle - input.iIconHeight / 2.0)};
      x += input.bRightToLeft ? -(caption.iIconWidth + kIconGap) : caption.iIconWidth + kIconGap;
    }
    const int textLeft = input.bRightToLeft ? menu.cMCollX : x;
    const int textTop = ToPixel(middle - textHeight / 2.0);
    caption.rcText = RECT{textLeft, textTop, textLeft + textWidth, textTop + textHeight};

    x = input.bRightToLeft ? menu.cMCollX - input.iHeaderSpacing : caption.rcText.right + input.iHeaderSpacing;
    layout.lCaptionsEnd = input.bRightToLeft ? menu.cMCollX : menu.cMCollX + menu.cMWidth;
    layout.captions.push_back(caption);
  }
  return layout;
}

int MenuBarLayout::HitTest(const MenuTable& menus, int iHeaderSpacing, int barHeight, int x, int y) {
  if (y > barHeight) return kNoBarMenu;
  const double half = HalfSpacing(iHeaderSpacing);
  for (int i = 1; i <= menus.Count(); ++i) {
    const tMenuInfo& menu = menus.Menu(i);
    if (!IsBarMenu(menu) || menu.cMEnabled == VARIANT_FALSE) continue;
    if (menu.cMCollX - half <= x && x <= menu.cMCollX + menu.cMWidth + half) return i;
  }
  return kNoBarMenu;
}

RECT MenuBarLayout::HoverBox(const tMenuInfo& menu, int iHeaderSpacing, int barHeight) {
  return HighlightBox(menu, iHeaderSpacing, barHeight - kHoverBottomInset);
}

RECT MenuBarLayout::PressedBox(const tMenuInfo& menu, int iHeaderSpacing, int barHeight) {
  return HighlightBox(menu, iHeaderSpacing, barHeight);
}
