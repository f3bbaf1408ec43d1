// Whoever opened a menu window: the menu bar, or later a tool's menu drop-down. The window
// reports its items' mouse events and choices here and asks for the tool tip, sub-menus and
// the closing of menus; everything else it needs comes with its setup when it opens.
#pragma once
#include <cstdint>
#include <string>

#include "win32/windows.h"

// The item mouse events a menu window reports.
enum class eMenuItemMouse { Move, Down, Up };

// One item mouse event: item iItem (kNoMenuRow for none) of menu iMenu, the runtime's Button
// and Shift, and the pointer in screen twips.
struct tMenuItemMouse {
  eMenuItemMouse eEvent = eMenuItemMouse::Move;
  int iMenu = 0;
  int iItem = 0;
  std::string sItemKey;
  std::int16_t Button = 0;
  std::int16_t Shift = 0;
  float X = 0;
  float Y = 0;
};

class IMenuWindowOwner {
 public:
  // Which caption DropAdjacentBarMenu drops, from the one that is open.
  static constexpr int kNextCaption = 1;
  static constexpr int kPreviousCaption = -1;

  virtual ~IMenuWindowOwner() = default;

  // The owner's one tip window at the pointer; false when nothing is shown (an empty text).
  virtual bool ShowMenuTip(const std::string& sText) = 0;
  virtual void HideMenuTip() = 0;
  // Raises the item mouse event with the menu's and the item's keys.
  virtual void MenuItemMouse(const tMenuItemMouse& event) = 0;
  // An item chosen by the release `release` (Button 0 from keys and timers): its mouse-up is
  // raised, every menu closes, then the click is raised, following the item through whatever
  // the handlers do to the tables.
  virtual void ChooseMenuItem(const tMenuItemMouse& release) = 0;
  // Shows, or hides again, the infrequent items of menu iMenu and re-opens its window.
  virtual void ToggleInfrequentItems(int iMenu, HWND hWndMenu) = 0;
  // Opens the menu keyed sMenuKey as a sub-menu of hWndParent at screen twips (X, Y); null
  // when no menu has that key.
  virtual HWND OpenSubMenu(const std::string& sMenuKey, HWND hWndParent, float X, float Y) = 0;
  virtual void CloseAllMenus() = 0;
  // Closes the menus and drops the bar menu after or before the open one (kNextCaption,
  // kPreviousCaption).
  virtual void DropAdjacentBarMenu(int iStep) = 0;
};
