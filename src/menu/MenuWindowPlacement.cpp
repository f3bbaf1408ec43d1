#include "menu/MenuWindowPlacement.h"

#include <cmath>

namespace {

// A sub-menu that cannot open on its usual side overlaps its parent by this much.
constexpr int kSubMenuOverlap = 4;

// Whole twips divided by twips per pixel with the runtime's integer division: both operands
// rounded to whole numbers first, the quotient truncated.
int WholePixels(float twips, float twipsPerPixel) {
  return static_cast<int>(std::lrint(twips) / std::lrint(twipsPerPixel));
}

void PlaceBarDrop(const tMenuPlacementRequest& r, tMenuPlacement& p) {
  const float Right = r.Left + r.Width;
  if (!r.bRightToLeft) {
    if (Right > r.ScreenWidth) {
      p.Left = r.ScreenWidth - r.Width;
      p.lJoinOffset = WholePixels(Right - r.ScreenWidth, r.TwipsPerPixelX) + 1;
    }
  } else {
    // The mirror of the rule above: the requested point is the caption's right end, the menu's
    // right edge goes under it, and a menu past the left screen edge is pushed in.
    p.Left = r.Left - r.Width;
    if (p.Left < 0) {
      p.lJoinOffset = WholePixels(p.Left, r.TwipsPerPixelX) + 1;
      p.Left = 0;
    }
  }
  if (r.Top + r.Height > r.ScreenHeight) {
    p.Top = r.Top - r.Height - static_cast<float>(r.lBarHeight) * r.TwipsPerPixelY;
    p.bOpenedUpwards = true;
  }
}

void PlaceCascade(const tMenuPlacementRequest& r, tMenuPlacement& p) {
  const bool bSubMenu = r.eKind == MenuWindowKind::SubMenu;
  if (!r.bRightToLeft) {
    if (r.Left + r.Width > r.ScreenWidth) {
      p.Left = bSubMenu ? static_cast<float>(r.rcParent.left + kSubMenuOverlap) * r.TwipsPerPixelX - r.Width
                        : r.ScreenWidth - r.Width;
    }
  } else if (r.Left - r.Width >= 0) {
    p.Left = r.Left - r.Width;
    p.bOpenedLeftwards = true;
  } else {
    const int lShadow = r.bShadows ? kSubMenuOverlap : 0;
    p.Left = bSubMenu ? static_cast<float>(r.rcParent.right - lShadow) * r.TwipsPerPixelX : r.ScreenWidth - r.Width;
  }
  if (r.Top + r.Height > r.ScreenHeight) p.Top = r.ScreenHeight - r.Height;
}

}  // namespace

tMenuPlacement PlaceMenuWindow(const tMenuPlacementRequest& request) {
  tMenuPlacement placement{request.Left, request.Top};
  if (request.eKind == MenuWindowKind::BarDrop)
    PlaceBarDrop(request, placement);
  else
    PlaceCascade(request, placement);
  return placement;
}
