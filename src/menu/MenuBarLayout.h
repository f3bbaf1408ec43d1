// Where the menu bar puts things: the bar's height, each visible primary menu's caption box
// (written back into the menu records as cMCollX and cMWidth), icon and text positions,
// whether a caption fits inside the control, the hit band of each caption and the boxes
// drawn behind hovered and pressed captions. Pure geometry: nothing here draws.
#pragma once
#include <vector>

#include "menu/MenuTable.h"
#include "win32/windows.h"

// Space above and below the tallest element of the bar.
inline constexpr int kBarVerticalMargin = 5;
// A bar drop's window starts this many pixels left of its caption's cMCollX.
inline constexpr int kCaptionWindowOffset = 2;
// Hover index, selected index and dropped index value for "none".
inline constexpr int kNoBarMenu = -1;

// What the layout reads from the control.
struct tBarLayoutInput {
  int iHeaderSpacing = 0;  // internal value (visible value + 4)
  bool bRightToLeft = false;
  LONG lControlWidth = 0;
  bool bHasImageList = false;  // a menu-header image list is attached
  int iIconWidth = 0;
  int iIconHeight = 0;
};

// One laid-out caption.
struct tBarCaption {
  int iMenu = 0;        // 1-based position in the menu table
  int iIconWidth = 0;   // 0 when the caption shows no icon
  POINT ptIcon{};       // top-left of the icon
  RECT rcText{};        // text rectangle
  bool bDrawn = false;  // the whole box lies inside the control
};

struct tBarLayout {
  int lBarHeight = 0;
  // cMCollX + cMWidth of the last caption (its cMCollX right-to-left); 0 without captions.
  int lCaptionsEnd = 0;
  bool bRightToLeft = false;
  std::vector<tBarCaption> captions;

  // The laid-out caption of menu iMenu, or null.
  const tBarCaption* Find(int iMenu) const;
};

class MenuBarLayout {
 public:
  // Menus the bar shows: visible primary menus.
  static bool IsBarMenu(const tMenuInfo& menu);

  // Lays out every bar menu in order, measuring with the font selected into measureDC, and
  // writes cMCollX and cMWidth of each.
  static tBarLayout Compute(MenuTable& menus, const tBarLayoutInput& input, HDC measureDC);

  // The first enabled bar menu whose hit band holds (x, y), or kNoBarMenu.
  static int HitTest(const MenuTable& menus, int iHeaderSpacing, int barHeight, int x, int y);

  // Boxes behind a caption, in control pixels (right and bottom exclusive).
  static RECT HoverBox(const tMenuInfo& menu, int iHeaderSpacing, int barHeight);
  static RECT PressedBox(const tMenuInfo& menu, int iHeaderSpacing, int barHeight);
};
