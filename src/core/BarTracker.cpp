#include "core/BarTracker.h"

#include <utility>

#include "common/MouseLeavePoll.h"
#include "common/VirtualKeys.h"
#include "container/MouseButtons.h"
#include "core/MirelMenuBar20.h"
#include "menu/Mnemonic.h"
#include "menu/frmMenu.h"

namespace {

constexpr UINT kAutoDropInterval = 1000;
constexpr UINT kOverInterval = 50;
constexpr UINT kDragInterval = 25;
// The strip where a moving mouse counts as over the captions: from y = 5 to 10 pixels below
// the bar, right of x = 12.
constexpr int kTrackTop = 5;
constexpr int kTrackBelowBar = 10;
constexpr int kTrackLeft = 12;
constexpr SHORT kKeyDownBit = static_cast<SHORT>(0x8000);


bool IsKeyDown(int iVirtKey) { return (GetAsyncKeyState(iVirtKey) & kKeyDownBit) != 0; }

// The mouse buttons held now, as the runtime's Button argument.
std::int16_t ButtonsHeld() {
  WPARAM keyFlags = 0;
  if (IsKeyDown(VK_LBUTTON)) keyFlags |= MK_LBUTTON;
  if (IsKeyDown(VK_RBUTTON)) keyFlags |= MK_RBUTTON;
  if (IsKeyDown(VK_MBUTTON)) keyFlags |= MK_MBUTTON;
  return ButtonsFromKeyFlags(keyFlags);
}


// Messages of the host's windows after which open menus close.
bool ClosesMenus(UINT iMsg) {
  switch (iMsg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_CAPTURECHANGED:
    case WM_MOUSEACTIVATE:
    case WM_GETMINMAXINFO:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
      return true;
    default:
      return false;
  }
}

// Of those, the ones whose lParam 0 names no other window and so leaves the menus open.
bool IgnoredWithoutWindow(UINT iMsg) { return iMsg != WM_ACTIVATE && iMsg != WM_ACTIVATEAPP; }

// Runs the messages already queued (the runtime's DoEvents).
void LetPendingMessagesRun() {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

BarTracker::BarTracker(MirelMenuBar20& bar) : m_Bar(bar) {
  m_AutoDropTimer.SetInterval(kAutoDropInterval);
  m_OverTimer.SetInterval(kOverInterval);
  m_tmrDrag.SetInterval(kDragInterval);
  m_OverTimer.OnTimer = [this] { OverTimerTick(); };
  m_AutoDropTimer.OnTimer = [this] {
    m_AutoDropTimer.SetEnabled(false);
    m_bAutoDropWindow = false;
  };
}

void BarTracker::Start() { m_OverTimer.SetEnabled(true); }

void BarTracker::Stop() {
  for (Timer* timer : {&m_tmrDrag, &m_AutoDropTimer, &m_OverTimer}) timer->SetEnabled(false);
}

void BarTracker::FollowTableChange(const tMenuTableChange& change) {
  for (int* index : {&m_iHoverIndex, &m_iSelectedIndex, &m_iDroppedIndex}) {
    if (*index != kNoBarMenu) *index = change.MenuAfter(*index) == 0 ? kNoBarMenu : change.MenuAfter(*index);
  }
}

// ---- the mouse on the bar ----

void BarTracker::MouseDown(float X, float Y) {
  const auto keep = m_Bar.KeepAlive();
  // At design time a press selects the control in the host's designer; menus open only at run time.
  if (!IsTrue(m_Bar.m_bEnabled) || !m_Bar.Ambient().UserMode()) return;
  m_Bar.HideToolTip();
  m_AutoDropTimer.SetEnabled(false);
  if (m_Bar.m_Menus.Count() == 0 || Y > static_cast<float>(m_Bar.BarHeight())) return;
  const int iMenu = m_Bar.BarMenuAt(static_cast<int>(X), static_cast<int>(Y));
  if (iMenu == kNoBarMenu || iMenu == m_iSelectedIndex) return;
  m_OverTimer.SetEnabled(false);
  m_AutoDropTimer.Restart();
  m_bAutoDropWindow = true;
  // A menu still open under another caption goes first, so that one menu is open at a time.
  if (m_bDropped) CloseAllMenus();
  m_bKeyboardOpened = false;
  DropBarMenu(iMenu);
}

void BarTracker::TrackMouseMove(WPARAM wParam, LPARAM lParam) {
  if (!m_Bar.IsHostActive()) return;
  const auto keep = m_Bar.KeepAlive();
  const std::int16_t iButton = ButtonsHeld();
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  const HWND hWndBar = m_Bar.m_hWndMB;
  if (!m_bMouseOverBar) {
    MouseLeavePoll::Start(hWndBar);
    m_bMouseOverBar = true;
  }
  const MenuTable& menus = m_Bar.m_Menus;
  if (menus.Count() == 0 || !IsTrue(m_Bar.m_bEnabled)) {
    m_OverTimer.SetEnabled(false);
    return;
  }
  if (y < kTrackTop || y > m_Bar.BarHeight() + kTrackBelowBar || x < kTrackLeft) {
    if (m_iHoverIndex != kNoBarMenu || m_iSelectedIndex != kNoBarMenu) {
      m_iHoverIndex = kNoBarMenu;
      m_iSelectedIndex = kNoBarMenu;
      m_Bar.Refresh();
    }
    return;
  }
  const int iOldHover = m_iHoverIndex;
  const int iOldSelected = std::exchange(m_iSelectedIndex, kNoBarMenu);
  m_iHoverIndex = kNoBarMenu;
  const int lCaptionsEnd = m_Bar.BarCaptionsEnd();
  const bool bPastCaptions = IsTrue(m_Bar.m_bRightToLeft) ? x < lCaptionsEnd : x > lCaptionsEnd;
  if (bPastCaptions) {
    if (!m_bDropped) m_Bar.ClearCaptions({iOldHover, iOldSelected});
    if (iButton != 0) m_Bar.HideToolTip();
  } else {
    m_iHoverIndex = m_Bar.BarMenuAt(x, y);
    if (m_iHoverIndex != kNoBarMenu) {
      RECT rcWindow{};
      GetWindowRect(hWndBar, &rcWindow);
      const auto iMenu = static_cast<std::int16_t>(m_iHoverIndex);
      const std::string sKey = menus.Menu(iMenu).cMKey;
      const auto iShift = static_cast<std::int16_t>(LOWORD(wParam));
      const float X = static_cast<float>(x + rcWindow.left) * m_Bar.m_sngTwipsPerPixelX;
      const float Y = static_cast<float>(y + rcWindow.top) * m_Bar.m_sngTwipsPerPixelY;
      m_Bar.m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuMouseMove(iMenu, sKey, iButton, iShift, X, Y); });
      if (!m_Bar.Running()) return;
    }
  }
  if (m_iHoverIndex != iOldHover && m_iHoverIndex != kNoBarMenu) {
    m_OverTimer.SetEnabled(false);
    m_Bar.m_ToolTips.ResetTips();
  }
  // Every move over a caption offers its tip: the first starts the pre-delay, one after it
  // shows the tip.
  if (m_iHoverIndex != kNoBarMenu && iButton == 0 && !m_bDropped)
    m_Bar.m_ToolTips.RequestTip(menus.Menu(m_iHoverIndex).cMToolTipText);
  if (m_bDropped && m_iHoverIndex == m_iDroppedIndex) {
    m_iSelectedIndex = m_iDroppedIndex;  // the open menu's caption stays the selected one
    return;
  }
  if ((m_bDropped || m_bAutoDropWindow) && m_iHoverIndex != iOldHover) {
    CloseMenuWindows();
    if (!m_Bar.Running()) return;
    m_OverTimer.Restart();
    m_AutoDropTimer.Restart();
    m_bAutoDropWindow = true;
    m_bDropped = false;
    m_iDroppedIndex = kNoBarMenu;
    m_Bar.Refresh();
    return;
  }
  m_Bar.RefreshCaptions(iOldHover, m_iHoverIndex);
}

void BarTracker::OverTimerTick() {
  m_OverTimer.SetEnabled(false);
  // A pop-up the host opened while the bar waited to hot-track is the one menu open.
  if (m_bDropped || !m_Bar.m_Popups.Empty()) return;
  m_iSelectedIndex = m_iHoverIndex;
  if (m_iSelectedIndex == kNoBarMenu) return;
  m_bKeyboardOpened = false;
  DropBarMenu(m_iSelectedIndex);
}

void BarTracker::LeavePollTick() {
  if (!MouseLeavePoll::StopIfLeft(m_Bar.m_hWndMB)) return;
  m_bMouseOverBar = false;
  m_Bar.m_ToolTips.ResetTips();
  m_Bar.Refresh();
}

// ---- dropping ----

void BarTracker::DropBarMenu(int i) {
  const MenuTable& menus = m_Bar.m_Menus;
  if (i < 1 || i > menus.Count()) return;
  const auto keep = m_Bar.KeepAlive();
  RECT rcWindow{};
  GetWindowRect(m_Bar.m_hWndMB, &rcWindow);
  MirelMenuBar20::tMenuWindowRequest request;
  request.iMenu = i;
  // Right-to-left, the menu hangs from the caption's right end instead of its left.
  const tMenuInfo& menu = menus.Menu(i);
  const int lCaptionX = IsTrue(m_Bar.m_bRightToLeft) ? menu.cMCollX + menu.cMWidth + kCaptionWindowOffset
                                                     : menu.cMCollX - kCaptionWindowOffset;
  request.X = static_cast<float>(lCaptionX + rcWindow.left) * m_Bar.m_sngTwipsPerPixelX;
  request.Y = static_cast<float>(m_Bar.BarHeight() + rcWindow.top) * m_Bar.m_sngTwipsPerPixelY;
  request.eKind = MenuWindowKind::BarDrop;
  request.lBarHeight = m_Bar.BarHeight();
  m_Bar.ShowMenuWindow(request);
  m_bDropped = true;
  m_iSelectedIndex = i;
  m_Bar.PaintBarCaptionPressed(i);
  // Dropped before the event, so that a handler closing the menus gets its MenuOnClose.
  m_iDroppedIndex = i;
  if (m_bSuppressDropEvents) return;
  const auto iMenu = static_cast<std::int16_t>(i);
  const std::string sKey = menus.Menu(i).cMKey;
  m_Bar.m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuOnDrop(iMenu, sKey); });
}

void BarTracker::DropAdjacentBarMenu(int iStep) {
  const MenuTable& menus = m_Bar.m_Menus;
  const int n = menus.Count();
  const int iFrom = m_iDroppedIndex != kNoBarMenu ? m_iDroppedIndex : (iStep > 0 ? 0 : n + 1);
  int iTarget = kNoBarMenu;
  for (int k = 1; k <= n && iTarget == kNoBarMenu; ++k) {
    const int j = (((iFrom - 1 + iStep * k) % n) + n) % n + 1;
    const tMenuInfo& menu = menus.Menu(j);
    if (MenuBarLayout::IsBarMenu(menu) && IsTrue(menu.cMEnabled)) iTarget = j;
  }
  CloseAllMenus();
  if (iTarget == kNoBarMenu) return;
  m_bKeyboardOpened = true;
  DropBarMenu(iTarget);
}

void BarTracker::PopUp(int iMenu, float X, float Y) { OpenPopUpMenu(iMenu, X, Y); }

void BarTracker::OpenPopUpMenu(int iMenu, float X, float Y) {
  if (std::exchange(m_bAltMode, false)) {  // a pop-up takes the keyboard from the captions
    m_iHoverIndex = kNoBarMenu;
    m_Bar.BlitFace();
  }
  MirelMenuBar20::tMenuWindowRequest request;
  request.iMenu = iMenu;
  request.X = X;
  request.Y = Y;
  request.eKind = MenuWindowKind::PopUp;
  m_Bar.ShowMenuWindow(request);
}

// ---- what the menu windows ask ----

bool BarTracker::ShowMenuTip(const std::string& sText) {
  return m_Bar.ShowToolTip(sText, MirelMenuBar20::kMousePosition, MirelMenuBar20::kMousePosition, false);
}

void BarTracker::HideMenuTip() { m_Bar.HideToolTip(); }

void BarTracker::MenuItemMouse(const tMenuItemMouse& event) {
  const auto iMenu = static_cast<std::int16_t>(event.iMenu);
  const auto iItem = static_cast<std::int16_t>(event.iItem);
  const std::string sMenuKey = m_Bar.m_Menus.Menu(event.iMenu).cMKey;
  m_Bar.m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    switch (event.eEvent) {
      case eMenuItemMouse::Move:
        sink.MenuItemMouseMove(iMenu, sMenuKey, iItem, event.sItemKey, event.Button, event.Shift, event.X, event.Y);
        break;
      case eMenuItemMouse::Down:
        sink.MenuItemMouseDown(iMenu, sMenuKey, iItem, event.sItemKey, event.Button, event.Shift, event.X, event.Y);
        break;
      case eMenuItemMouse::Up:
        sink.MenuItemMouseUp(iMenu, sMenuKey, iItem, event.sItemKey, event.Button, event.Shift, event.X, event.Y);
        break;
    }
  });
}

HWND BarTracker::OpenSubMenu(const std::string& sMenuKey, HWND hWndParent, float X, float Y) {
  const int iMenu = m_Bar.m_Menus.FindMenu(sMenuKey);
  if (iMenu == 0) return nullptr;
  MirelMenuBar20::tMenuWindowRequest request;
  request.iMenu = iMenu;
  request.X = X;
  request.Y = Y;
  request.eKind = MenuWindowKind::SubMenu;
  request.hWndParentMenu = hWndParent;
  return m_Bar.ShowMenuWindow(request);
}

void BarTracker::ToggleInfrequentItems(int iMenu, HWND hWndMenu) {
  const auto keep = m_Bar.KeepAlive();
  const frmMenu* form = frmMenu::FromWindow(hWndMenu);
  const bool bBarMenu = form != nullptr && form->IsBarMenu();
  RECT rcMenu{};
  GetWindowRect(hWndMenu, &rcMenu);
  const MenuTable::Watch menu(m_Bar.m_Menus, iMenu);
  tMenuInfo& record = m_Bar.m_Menus.Menu(iMenu);
  record.cMDisplayInfrequentState = IsTrue(record.cMDisplayInfrequentState) ? VARIANT_FALSE : VARIANT_TRUE;
  const bool bShown = IsTrue(record.cMDisplayInfrequentState);
  m_bSuppressDropEvents = true;
  CloseMenuWindows();
  LetPendingMessagesRun();
  const int m = menu.Menu();
  if (!m_Bar.Running() || m == 0) {
    m_bSuppressDropEvents = false;
    return;
  }
  if (bBarMenu) {
    DropBarMenu(m);
  } else {
    OpenPopUpMenu(m, static_cast<float>(rcMenu.left) * m_Bar.m_sngTwipsPerPixelX,
                  static_cast<float>(rcMenu.top) * m_Bar.m_sngTwipsPerPixelY);
  }
  m_bSuppressDropEvents = false;
  const auto iIndex = static_cast<std::int16_t>(m);
  const std::string sKey = m_Bar.m_Menus.Menu(m).cMKey;
  m_Bar.m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    if (bShown)
      sink.MenuOnInfrequentOpen(iIndex, sKey);
    else
      sink.MenuOnInfrequentClose(iIndex, sKey);
  });
}

void BarTracker::ChooseMenuItem(const tMenuItemMouse& release) {
  const auto keep = m_Bar.KeepAlive();
  const MenuTable::Watch item(m_Bar.m_Menus, release.iMenu, release.iItem);
  if (release.Button >= 0) {
    MenuItemMouse(release);
    if (!m_Bar.Running()) return;
  }
  CloseAllMenus();
  if (!m_Bar.Running()) return;
  LetPendingMessagesRun();
  if (!m_Bar.Running() || item.Item() == 0) return;
  m_Bar.RaiseMenuItemClick(static_cast<std::int16_t>(item.Menu()), static_cast<std::int16_t>(item.Item()));
}

// ---- closing ----

void BarTracker::CloseAllMenus() {
  const auto keep = m_Bar.KeepAlive();
  m_iSelectedIndex = kNoBarMenu;
  m_OverTimer.SetEnabled(false);
  CloseMenuWindows();
  if (!m_Bar.Running()) return;
  m_Bar.HideToolTip();
  m_bDropped = false;
  m_iDroppedIndex = kNoBarMenu;
  m_bKeyboardOpened = false;
  m_Bar.m_Bands.ClearPressedTools();
  // The closed captions are plain face again; the one under the mouse shows its hover look.
  m_Bar.RefreshCaptions(m_iHoverIndex, kNoBarMenu);
}

void BarTracker::CloseMenuWindows() {
  m_Bar.m_Popups.CloseAll();
  m_bAltMode = false;
  // Only the dropped caption and a keyboard or mouse highlight are drawn over the face.
  m_Bar.ClearCaptions({m_iDroppedIndex, m_iHoverIndex, m_iSelectedIndex});
  // Taken first: a handler that closes the menus again raises no second MenuOnClose.
  const int iDropped = std::exchange(m_iDroppedIndex, kNoBarMenu);
  if (m_bSuppressDropEvents || iDropped == kNoBarMenu) return;
  const auto iMenu = static_cast<std::int16_t>(iDropped);
  const std::string sKey = m_Bar.m_Menus.Menu(iDropped).cMKey;
  m_Bar.m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuOnClose(iMenu, sKey); });
}

// ---- messages of the host's windows and of the control's window ----

void BarTracker::WatchedMessage(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  if (hWnd == m_Bar.m_hWndMB) {
    if (iMsg == WM_MOUSEMOVE) TrackMouseMove(wParam, lParam);
    if (MouseLeavePoll::IsTick(iMsg, wParam)) LeavePollTick();
    return;
  }
  if (iMsg == WM_SHOWWINDOW) {
    if (wParam == FALSE) CloseAllMenus();
    return;
  }
  HostWindowMessage(iMsg, lParam);
}

void BarTracker::HostWindowMessage(UINT iMsg, LPARAM lParam) {
  if (!ClosesMenus(iMsg)) return;
  m_AutoDropTimer.SetEnabled(false);
  m_bAutoDropWindow = false;
  const auto hWndOther = reinterpret_cast<HWND>(lParam);
  if (hWndOther != nullptr && m_Bar.m_Popups.Contains(hWndOther)) return;
  if (hWndOther == nullptr && IgnoredWithoutWindow(iMsg)) return;
  m_bAltMode = false;  // a press anywhere or a change of activation ends keyboard access
  if (m_bDropped || !m_Bar.m_Popups.Empty()) CloseAllMenus();
}

// ---- the bar's keys ----

bool BarTracker::Key(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool& bHandled) {
  if (!m_Bar.TakesKeys()) return true;
  if (bKeyUp) {
    m_iLastKey = -1;
    if (!m_bDropped) m_Bar.Refresh();
    return true;
  }
  const bool bRepeat = iVirtKey == m_iLastKey;
  m_iLastKey = iVirtKey;
  const MenuTable& menus = m_Bar.m_Menus;
  if (iVirtKey == VK_MENU) {
    if (bRepeat || menus.Count() == 0) return true;
    if (m_bAltMode) {
      m_bAltMode = false;
      m_iHoverIndex = kNoBarMenu;
      if (m_bDropped) CloseAllMenus();
      m_Bar.BlitFace();
    } else {
      if (m_bDropped) CloseAllMenus();
      m_bAltMode = true;
    }
    bHandled = true;
    return true;
  }
  if (!m_bAltMode && !bAlt) return false;
  if (iVirtKey == VK_ESCAPE && m_bAltMode && !m_bDropped) {
    // Esc with no menu open leaves keyboard access, as a second Alt would.
    m_bAltMode = false;
    m_iHoverIndex = kNoBarMenu;
    m_Bar.BlitFace();
    bHandled = true;
    return true;
  }
  // With any menu open (a pop-up included) the open menu has the keys, not the captions.
  if (bRepeat || m_bDropped || !m_Bar.m_Popups.Empty() || iVirtKey == VK_RETURN || iVirtKey == VK_ESCAPE ||
      IsArrowKey(iVirtKey))
    return true;
  for (int i = 1; i <= menus.Count(); ++i) {
    const tMenuInfo& menu = menus.Menu(i);
    if (!MenuBarLayout::IsBarMenu(menu) || !IsTrue(menu.cMEnabled)) continue;
    if (Mnemonic::MnemonicKey(menu.cMCaption) != iVirtKey) continue;
    m_bKeyboardOpened = true;
    m_iHoverIndex = kNoBarMenu;
    m_iSelectedIndex = i;
    DropBarMenu(i);
    bHandled = true;
    return true;
  }
  // No caption has the letter: a tool whose caption has it is clicked, and keyboard access ends.
  if (m_Bar.m_Bands.ClickToolByMnemonic(iVirtKey)) {
    bHandled = true;
    if (std::exchange(m_bAltMode, false)) m_Bar.BlitFace();
  }
  return true;
}

// ---- the mouse on a band: the bar's hover ends there ----

void BarTracker::BandPressed() {
  m_OverTimer.SetEnabled(false);
  if (m_iHoverIndex == kNoBarMenu) return;
  m_iHoverIndex = kNoBarMenu;
  m_Bar.Refresh();
}

void BarTracker::BandMouseMoved() {
  // The band tracks the mouse now; the bar's own leave poll would only repeat it.
  if (m_bMouseOverBar) {
    KillTimer(m_Bar.m_hWndMB, MouseLeavePoll::kTimerId);
    m_bMouseOverBar = false;
  }
  if (m_bDropped || !m_Bar.m_Popups.Empty() || m_iHoverIndex == kNoBarMenu) return;
  m_iHoverIndex = kNoBarMenu;
  m_Bar.Refresh();
}
