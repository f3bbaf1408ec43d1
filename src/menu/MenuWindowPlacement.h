// Where a menu window goes on the screen, in screen twips: the requested corner moved so that
// the window stays on the screen, by the rules of its kind (the drop-down of a bar caption, a
// cascaded sub-menu, a pop-up) and the reading direction.
#pragma once
#include "win32/types.h"

enum class MenuWindowKind { BarDrop, SubMenu, PopUp };

struct tMenuPlacementRequest {
  MenuWindowKind eKind = MenuWindowKind::BarDrop;
  bool bRightToLeft = false;
  bool bShadows = true;
  float Left = 0;  // requested corner, screen twips
  float Top = 0;
  float Width = 0;  // window size, twips
  float Height = 0;
  float ScreenWidth = 0;  // twips
  float ScreenHeight = 0;
  float TwipsPerPixelX = 0;
  float TwipsPerPixelY = 0;
  int lBarHeight = 0;   // pixels; a bar drop that does not fit below opens above the bar
  RECT rcParent{};      // a sub-menu's parent window, screen pixels
};

struct tMenuPlacement {
  float Left = 0;
  float Top = 0;
  // Pixels by which the join under the pressed caption moves (0 = not moved).
  int lJoinOffset = 0;
  bool bOpenedUpwards = false;
  bool bOpenedLeftwards = false;
  bool operator==(const tMenuPlacement&) const = default;
};

tMenuPlacement PlaceMenuWindow(const tMenuPlacementRequest& request);
