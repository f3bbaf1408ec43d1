// Menu tracking on the bar: which caption is hovered, selected and dropped, Alt mode, the
// bar's timers and mouse-leave poll, dropping bar menus, and every way of closing them. A
// press on a caption drops its menu, an open menu follows the mouse along the bar
// (hot-tracking through OverTimer and AutoDropTimer), messages of the host's windows close
// the menus, Alt mode and caption mnemonics drop menus from the keyboard. It is the owner of
// the menu windows the bar opens: they call back here for clicks, sub-menus and the
// infrequent toggle. Closing also clears the tools' pressed states, and a letter no caption
// has goes to the tools' captions.
#pragma once
#include <cstdint>
#include <string>

#include "container/Timer.h"
#include "menu/IMenuWindowOwner.h"
#include "menu/MenuBarLayout.h"
#include "menu/MenuTable.h"
#include "win32/windows.h"

class MirelMenuBar20;

class BarTracker final : public IMenuWindowOwner {
 public:
  explicit BarTracker(MirelMenuBar20& bar);
  BarTracker(const BarTracker&) = delete;
  BarTracker& operator=(const BarTracker&) = delete;

  // The primary menu under the mouse, chosen to drop, and open (kNoBarMenu = none).
  int HoverIndex() const { return m_iHoverIndex; }
  int SelectedIndex() const { return m_iSelectedIndex; }
  int DroppedIndex() const { return m_iDroppedIndex; }
  // True while the mouse is over the control (its mouse-leave poll runs): hover shows only then.
  bool MouseOverBar() const { return m_bMouseOverBar; }
  // True when the open menu was dropped by a key; its caption then shows the alternate pressed look.
  bool KeyboardOpened() const { return m_bKeyboardOpened; }
  bool MenuDropped() const { return m_bDropped; }
  bool AltMode() const { return m_bAltMode; }
  bool AutoDropWindowOpen() const { return m_bAutoDropWindow; }

  // Painting states set directly, for pictures of the bar.
  void SetHoverIndex(int iMenu) { m_iHoverIndex = iMenu; }
  void SetMouseOverBar(bool bOver) { m_bMouseOverBar = bOver; }
  void SetDroppedIndex(int iMenu) { m_iDroppedIndex = iMenu; }
  void SetKeyboardOpened(bool bByKey) { m_bKeyboardOpened = bByKey; }

  Timer& OverTimer() { return m_OverTimer; }
  Timer& AutoDropTimer() { return m_AutoDropTimer; }
  Timer& tmrDrag() { return m_tmrDrag; }
  // Run time begins (the over timer runs) or the control terminates (every timer stops).
  void Start();
  void Stop();
  // The menu table changed: the hovered, selected and dropped captions follow their menus.
  void FollowTableChange(const tMenuTableChange& change);

  // ---- what reaches the bar ----
  void MouseDown(float X, float Y);
  // A watched message of the control's window or of the host's windows.
  void WatchedMessage(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  // Steps 1-3 of the bar's key handling (key up, Alt mode, mnemonic drop); true when the key
  // needs no further step.
  bool Key(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool& bHandled);
  // PopUpMenu: opens menu iMenu as a pop-up at screen twips (X, Y), in pop-up mode.
  void PopUp(int iMenu, float X, float Y);
  // Drops bar menu i: its window opens under the caption, which is painted pressed.
  void DropBarMenu(int i);
  // The mouse on a band: a press there and a move inside it end the bar's hover.
  void BandPressed();
  void BandMouseMoved();

  // ---- IMenuWindowOwner ----
  bool ShowMenuTip(const std::string& sText) override;
  void HideMenuTip() override;
  void MenuItemMouse(const tMenuItemMouse& event) override;
  void ChooseMenuItem(const tMenuItemMouse& release) override;
  void ToggleInfrequentItems(int iMenu, HWND hWndMenu) override;
  HWND OpenSubMenu(const std::string& sMenuKey, HWND hWndParent, float X, float Y) override;
  // Closes every menu: selection and drop cleared, every menu window unloaded, tip hidden.
  void CloseAllMenus() override;
  void DropAdjacentBarMenu(int iStep) override;

 private:
  void TrackMouseMove(WPARAM wParam, LPARAM lParam);
  void OverTimerTick();
  void LeavePollTick();
  void HostWindowMessage(UINT iMsg, LPARAM lParam);
  // Unloads every open menu window, leaves Alt mode, restores the bar and raises MenuOnClose
  // for the dropped bar menu unless drop events are suppressed. The drop state is left to
  // the caller.
  void CloseMenuWindows();
  void OpenPopUpMenu(int iMenu, float X, float Y);

  MirelMenuBar20& m_Bar;
  int m_iHoverIndex = kNoBarMenu;
  int m_iSelectedIndex = kNoBarMenu;
  int m_iDroppedIndex = kNoBarMenu;
  bool m_bMouseOverBar = false;
  bool m_bKeyboardOpened = false;
  bool m_bDropped = false;
  bool m_bAutoDropWindow = false;
  bool m_bAltMode = false;
  std::int16_t m_iLastKey = -1;
  bool m_bSuppressDropEvents = false;
  Timer m_tmrDrag;
  Timer m_AutoDropTimer;
  Timer m_OverTimer;
};
