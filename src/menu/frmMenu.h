// frmMenu: the borderless top-level window that shows the items of one open menu — the
// drop-down of a bar caption, a cascaded sub-menu, the drop-down of a menu tool or a pop-up.
// It is top-most, stays out of the task bar and never takes activation. While loaded it
// carries its object under the window property "MirelMenuForm:ObjectPtr" and the marker text
// "voxMirelMenuPanel" as its window text, is a keyboard-hook client of kind 2 and watches some
// messages of its own window and of the control's window through the subclassing server.
// Its object lives as long as its window: unloading destroys both.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "common/IPopup.h"
#include "common/PopupStack.h"
#include "container/Timer.h"
#include "menu/IMenuWindowOwner.h"
#include "menu/MenuRecords.h"
#include "menu/MenuWindowLayout.h"
#include "menu/MenuWindowPainter.h"
#include "platform/IKeyboardHookClient.h"
#include "platform/ISubclass.h"
#include "render/ToolTipTimer.h"
#include "render/cMemDC.h"
#include "render/styles/ArtworkCache.h"
#include "win32/windows.h"

// What the owner sets on a menu window when it shows it.
struct tMenuWindowSetup {
  int iMenuIndex = 0;
  std::vector<tMenuItemInfo> Items;  // element 0 unused
  int iItemCount = 0;
  int iItemSpacing = 0;  // S: MenuItemSpacing as stored (visible value + 7)
  tMenuLook Look;
  bool bIsBarMenu = false;
  bool bInfrequentsHidden = false;  // the menu hides its infrequent items and they are collapsed
  tMenuJoin Join;
  // How the placement moved the window: above the bar, or to the left of the requested point.
  bool bOpenedUpwards = false;
  bool bOpenedLeftwards = false;
  HWND hWndControl = nullptr;  // the control's window, watched for mouse moves and releases
  HWND hWndParentMenu = nullptr;  // the menu window this one cascades from; 0 = none
  float TwipsPerPixelX = 0;  // the item events report screen twips
  float TwipsPerPixelY = 0;
  std::int32_t lToolTipPreTime = 0;  // the items' tip delays, milliseconds
  std::int32_t lToolTipPostTime = 0;
  IMenuWindowOwner* pOwner = nullptr;
  // The control's open pop-ups: the window joins them when it first paints and leaves them
  // when it goes.
  PopupStack* pPopups = nullptr;
  // The control's decoded artwork: its menu windows paint from the control's surfaces
  // instead of decoding the strips again for every window.
  styles::ArtworkCache* pArtwork = nullptr;
};

class frmMenu final : public ISubclass, public IKeyboardHookClient, public IPopup {
 public:
  static constexpr const char* kObjectPtrProp = "MirelMenuForm:ObjectPtr";
  static constexpr const char* kMarkerText = "voxMirelMenuPanel";
  static constexpr const char* kClassName = "MirelMenuForm";
  // The private message that makes a menu window unload itself.
  static constexpr UINT kMsgUnloadMenu = 3806;
  static constexpr int kPressedNone = -10;
  static constexpr UINT kOverTimerInterval = 1000;
  static constexpr UINT kMenuUnloadedTimerInterval = 25;

  // The menu window's size in pixels for these settings: width M + C + 12 (+ 3) and the row
  // layout's height (+ 4), C measured in each item's font.
  static SIZE MeasureWindow(const tMenuWindowSetup& setup);
  static SIZE MeasureWindow(const tMenuWindowSetup& setup, const MenuWindowLayout& layout);

  // Creates the window, hidden, at `size` (MeasureWindow's answer for these settings, which
  // the caller has measured to place it); the returned object belongs to the window.
  static frmMenu* Load(tMenuWindowSetup setup, SIZE size);
  // The object of a loaded menu window, or null.
  static frmMenu* FromWindow(HWND hWnd);
  // Whether a window is a menu window, told by its marker text.
  static bool IsMenuWindow(HWND hWnd);

  frmMenu(const frmMenu&) = delete;
  frmMenu& operator=(const frmMenu&) = delete;

  HWND hWnd() const { return m_hWnd; }
  int MenuIndex() const { return m_Setup.iMenuIndex; }
  // The menu's position after the control's table moved it.
  void SetMenuIndex(int iMenu) { m_Setup.iMenuIndex = iMenu; }
  // Shows these items instead (the menu's items changed while the window was open): laid out,
  // sized and painted afresh where the window is, with nothing highlighted and no child open.
  void ShowItems(const std::vector<tMenuItemInfo>& Items, int iItemCount);
  bool IsBarMenu() const { return m_Setup.bIsBarMenu; }
  const MenuWindowLayout& Layout() const { return m_Layout; }
  SIZE Size() const { return m_Size; }
  bool ExpandArrowShown() const { return m_bExpandArrow; }
  bool OpenedUpwards() const { return m_Setup.bOpenedUpwards; }
  bool OpenedLeftwards() const { return m_Setup.bOpenedLeftwards; }

  // Moves the hidden window to the screen pixel (x, y), paints it — the shadow strips read
  // from the screen before the window shows — and shows it without activating it.
  void ShowAt(int x, int y);
  // Highlighted row: an item index, or kNoMenuRow. A change repaints the old and new rows.
  int HighlightedRow() const { return m_iHighlighted; }
  void SetHighlightedRow(int i);
  // Pressed row: the item a button went down on, or kPressedNone.
  int PressedRow() const { return m_iPressed; }
  void SetPressedRow(int i) { m_iPressed = i; }
  // The expand arrow drawn hot (the mouse in its zone) or normally.
  bool ExpandArrowHot() const { return m_bExpandArrowHot; }
  void SetExpandArrowHot(bool bHot);
  // Repaints row i in its current state.
  void RepaintRow(int i);
  // Drawn highlighted: the enabled highlighted row, and the sub-menu item whose child is open.
  bool IsRowHighlighted(int i) const;
  // The key of the sub-menu item whose window is open from this one ("" = none); its row is
  // drawn highlighted.
  const std::string& OpenChildKey() const { return m_sChildKey; }
  void SetOpenChildKey(std::string sItemKey);
  void Hide();
  // Closes the open child first, drops every registration and destroys the window and object.
  void Unload();

  // IPopup
  HWND PopupWindow() const override { return m_hWnd; }
  void ClosePopup() override { Unload(); }

  Timer& OverTimer() { return m_OverTimer; }
  Timer& MenuUnloadedTimer() { return m_MenuUnloadedTimer; }

  // ---- tracking: the window's mouse, keys and timers ----
  // Mouse events in client pixels with the runtime's Button and Shift (Button 0 from keys and
  // timers). A release that chooses an item or toggles the infrequent items unloads the
  // window: the object is gone when MouseUp returns.
  void MouseMove(std::int16_t Button, std::int16_t Shift, int X, int Y);
  void MouseDown(std::int16_t Button, std::int16_t Shift, int X, int Y);
  void MouseUp(std::int16_t Button, std::int16_t Shift, int X, int Y);
  // The window's own mouse messages and poll timer, and the control window's moves and
  // releases (a press on a bar caption dragged into the menu); true when handled here.
  bool TrackingMessage(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);

  // ISubclass: the window sees its watched messages before their windows' own procedures.
  EMsgResponse MsgResponse() const override { return emrPreprocess; }
  void MsgResponse(EMsgResponse /*eResponse*/) override {}
  LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;
  // IKeyboardHookClient: the menu window's key table.
  void HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override;

 private:
  // The menu window's key table (HookKey runs it, keeping the window's own errors in).
  void MenuKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled);
  frmMenu(tMenuWindowSetup setup, SIZE size);
  ~frmMenu() override = default;

  static LRESULT MenuWndProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  void Create();
  void AttachMessages();
  // Undoes everything Create registered; the window itself stays.
  void ReleaseLinks();
  void OnPaint();
  void OnActivate(LPARAM lParam);
  MenuWindowPainter Painter() const;
  // The base is painted straight onto the window's own surface, which keeps it until a
  // highlighted row or the hot expand arrow is first drawn over it; only then is it copied
  // apart (KeepBase), so a menu opened and closed without a highlight never copies it.
  void KeepBase();
  // The window is restored from the base (kept first), with the highlighted rows and the hot
  // expand arrow drawn over it afterwards.
  void CopyBase(HDC hdc, const RECT& area);

  // Tracking helpers.
  struct tPendingChild {
    std::string sMenuKey;  // cMISubMenuName of the item
    std::string sItemKey;
    float X = 0;  // screen twips
    float Y = 0;
  };
  void InitTracking();
  // Screen twips of a client pixel.
  struct tTwips {
    float X = 0;
    float Y = 0;
  };
  tTwips ScreenTwips(int X, int Y) const;
  void TrackRowUnderMouse(int Y);
  void OpenChildMenu(const tPendingChild& child);
  bool HasOpenChild() const;
  void CloseChild();
  void CancelPendingChild();
  void MoveHighlight(int iStep);
  bool OpenHighlightedSubMenu();
  bool ClickByMnemonic(std::int16_t iVirtKey);
  // An item mouse event as the owner gets it: the item's key and the pointer in screen twips.
  tMenuItemMouse ItemMouse(eMenuItemMouse eEvent, int iItem, std::int16_t Button, std::int16_t Shift, int X, int Y) const;
  void ForwardControlMouse(UINT iMsg, WPARAM wParam, LPARAM lParam);
  void LeavePollTick();
  void ExpandArrowTick();
  void MenuUnloadedTick();
  // The items' tool tips go through the owner's one tip window.
  bool ShowItemTip(const std::string& sText);
  void HideItemTip();

  tMenuWindowSetup m_Setup;
  MenuWindowLayout m_Layout;
  bool m_bExpandArrow = false;
  SIZE m_Size{};
  HWND m_hWnd = nullptr;
  bool m_bLinked = false;
  bool m_bPainted = false;
  int m_iHighlighted = kNoMenuRow;
  int m_iPressed = kPressedNone;
  bool m_bExpandArrowHot = false;
  std::string m_sChildKey;
  cMemDC m_Base;  // the full paint in the normal state, shadows and join included
  bool m_bBaseKept = false;  // false: the window's surface holds the base as painted
  Timer m_OverTimer;
  Timer m_MenuUnloadedTimer;
  // Tracking state.
  bool m_bClosing = false;
  bool m_bLeavePoll = false;
  bool m_bMovedByKeys = false;
  bool m_bHasLastMouse = false;
  POINT m_ptLastMouse{};
  bool m_bChildPending = false;
  tPendingChild m_PendingChild;
  // The items' tool-tip timing, this window's own; after the timers it drives.
  Timer m_ToolTipPreTimer;
  Timer m_ToolTipPostTimer;
  Timer m_TipDisplayTimer;
  ToolTipTimer m_ToolTips{m_ToolTipPreTimer, m_ToolTipPostTimer, m_TipDisplayTimer,
                          [this](const std::string& sText) { return ShowItemTip(sText); },
                          [this] { HideItemTip(); }};
};
