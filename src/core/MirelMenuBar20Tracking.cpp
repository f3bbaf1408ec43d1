// Menu tracking on the control's side: a press on a caption drops its menu, an open menu
// follows the mouse along the bar (hot-tracking through OverTimer and AutoDropTimer), the
// mouse-leave poll ends the hover look, messages of the host's windows close the menus, Alt
// mode and caption mnemonics drop menus from the keyboard, and every way of closing ends in
// the same two routines. Menu windows call back here for clicks, sub-menus and the
// infrequent toggle.
//
// Left out: the rebar's share of closing (its drop panels told to close, its tools' pressed
// states cleared) and the tool mnemonics of Alt mode arrive with the bands.
#include <algorithm>
#include <utility>

#include "common/MouseLeavePoll.h"
#include "common/VirtualKeys.h"
#include "container/MouseButtons.h"
#include "core/MirelMenuBar20.h"
#include "menu/Mnemonic.h"
#include "menu/frmMenu.h"

namespace {

// A bar drop's window starts 2 pixels left of its caption box.
constexpr int kCaptionWindowOffset = 2;
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

void MirelMenuBar20::InitTracking() {
  m_OverTimer.OnTimer = [this] { OverTimerTick(); };
  m_AutoDropTimer.OnTimer = [this] {
    m_AutoDropTimer.SetEnabled(false);
    m_bAutoDropWindow = false;
  };
  SetPopUpOpener([this](int iMenu, float X, float Y) { OpenPopUpMenu(iMenu, X, Y); });
  m_Menus.SetChangeListener([this](const tMenuTableChange& change) { OnMenuTableChanged(change); });
}

// Whatever changes the tables — a host's code, even inside an event — the bar's layout and
// indexes and the open menu windows follow, so nothing uses a position the tables lost.
void MirelMenuBar20::OnMenuTableChanged(const tMenuTableChange& change) {
  for (int* index : {&m_iBarHoverIndex, &m_iBarSelectedIndex, &m_iBarDroppedIndex}) {
    if (*index != kNoBarMenu) *index = change.MenuAfter(*index) == 0 ? kNoBarMenu : change.MenuAfter(*index);
  }
  // The bar first: closing menus below repaints it from its layout.
  if (change.ChangesMenus()) {
    if (m_bRedrawEnabled)
      LayoutAndRepaintBar();
    else
      m_BarLayout.captions.clear();  // laid out again when redrawing resumes
  }
  FollowOpenMenuWindows(change);
}

// A window whose menu is gone takes every menu with it; one whose items changed shows the
// items the table holds now.
void MirelMenuBar20::FollowOpenMenuWindows(const tMenuTableChange& change) {
  bool bMenuGone = false;
  for (HWND hWndMenu : std::vector<HWND>(m_OpenMenuWindows)) {
    frmMenu* form = frmMenu::FromWindow(hWndMenu);
    if (form == nullptr) continue;
    const int iMenu = change.MenuAfter(form->MenuIndex());
    if (iMenu == 0) {
      bMenuGone = true;
      continue;
    }
    form->SetMenuIndex(iMenu);
    if (!change.ChangesMenus() && iMenu == change.iMenu) {
      const tMenuInfo& menu = m_Menus.Menu(iMenu);
      form->ShowItems(menu.cMMenuItems, menu.cMMenuItemsCount);
    }
  }
  if (bMenuGone) CloseAllMenus();
}

bool MirelMenuBar20::IsHostActive() const {
  const HWND hWndActive = GetActiveWindow();
  return hWndActive != nullptr && hWndActive == m_hWndTop;
}

// ---- the mouse on the bar ----

void MirelMenuBar20::MouseDown(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X, float Y) {
  const auto keep = KeepAlive();
  // At design time a press selects the control in the host's designer; menus open only at run time.
  if (!IsTrue(m_bEnabled) || !Ambient().UserMode()) return;
  HideToolTip();
  m_AutoDropTimer.SetEnabled(false);
  if (m_Menus.Count() == 0 || Y > static_cast<float>(BarHeight())) return;
  const int iMenu = BarMenuAt(static_cast<int>(X), static_cast<int>(Y));
  if (iMenu == kNoBarMenu || iMenu == m_iBarSelectedIndex) return;
  m_OverTimer.SetEnabled(false);
  m_AutoDropTimer.Restart();
  m_bAutoDropWindow = true;
  // A menu still open under another caption goes first, so that one menu is open at a time.
  if (m_bDropped) CloseAllMenus();
  m_bKeyboardOpened = false;
  DropBarMenu(iMenu);
}

void MirelMenuBar20::TrackBarMouseMove(WPARAM wParam, LPARAM lParam) {
  if (!IsHostActive()) return;
  const auto keep = KeepAlive();
  const std::int16_t iButton = ButtonsHeld();
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  if (!m_bMouseOverBar) {
    MouseLeavePoll::Start(m_hWndMB);
    m_bMouseOverBar = true;
  }
  if (m_Menus.Count() == 0 || !IsTrue(m_bEnabled)) {
    m_OverTimer.SetEnabled(false);
    return;
  }
  if (y < kTrackTop || y > BarHeight() + kTrackBelowBar || x < kTrackLeft) {
    if (m_iBarHoverIndex != kNoBarMenu || m_iBarSelectedIndex != kNoBarMenu) {
      m_iBarHoverIndex = kNoBarMenu;
      m_iBarSelectedIndex = kNoBarMenu;
      Refresh();
    }
    return;
  }
  const int iOldHover = m_iBarHoverIndex;
  m_iBarHoverIndex = kNoBarMenu;
  m_iBarSelectedIndex = kNoBarMenu;
  const bool bPastCaptions = IsTrue(m_bRightToLeft) ? x < BarCaptionsEnd() : x > BarCaptionsEnd();
  if (bPastCaptions) {
    if (!m_bDropped) BlitFace();
    if (iButton != 0) HideToolTip();
  } else {
    m_iBarHoverIndex = BarMenuAt(x, y);
    if (m_iBarHoverIndex != kNoBarMenu) {
      RECT rcWindow{};
      GetWindowRect(m_hWndMB, &rcWindow);
      const auto iMenu = static_cast<std::int16_t>(m_iBarHoverIndex);
      const std::string sKey = m_Menus.Menu(iMenu).cMKey;
      const auto iShift = static_cast<std::int16_t>(LOWORD(wParam));
      const float X = static_cast<float>(x + rcWindow.left) * m_sngTwipsPerPixelX;
      const float Y = static_cast<float>(y + rcWindow.top) * m_sngTwipsPerPixelY;
      m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuMouseMove(iMenu, sKey, iButton, iShift, X, Y); });
      if (!Running()) return;
    }
  }
  if (m_iBarHoverIndex != iOldHover && m_iBarHoverIndex != kNoBarMenu) {
    m_OverTimer.SetEnabled(false);
    m_ToolTips.ResetTips();
  }
  // Every move over a caption offers its tip: the first starts the pre-delay, one after it
  // shows the tip.
  if (m_iBarHoverIndex != kNoBarMenu && iButton == 0 && !m_bDropped)
    m_ToolTips.RequestTip(m_Menus.Menu(m_iBarHoverIndex).cMToolTipText);
  if (m_bDropped && m_iBarHoverIndex == m_iBarDroppedIndex) {
    m_iBarSelectedIndex = m_iBarDroppedIndex;  // the open menu's caption stays the selected one
    return;
  }
  if ((m_bDropped || m_bAutoDropWindow) && m_iBarHoverIndex != iOldHover) {
    CloseMenuWindows(false);
    if (!Running()) return;
    m_OverTimer.Restart();
    m_AutoDropTimer.Restart();
    m_bAutoDropWindow = true;
    m_bDropped = false;
    m_iBarDroppedIndex = kNoBarMenu;
  }
  Refresh();
}

void MirelMenuBar20::OverTimerTick() {
  m_OverTimer.SetEnabled(false);
  if (m_bDropped) return;
  m_iBarSelectedIndex = m_iBarHoverIndex;
  if (m_iBarSelectedIndex == kNoBarMenu) return;
  m_bKeyboardOpened = false;
  DropBarMenu(m_iBarSelectedIndex);
}

void MirelMenuBar20::LeavePollTick() {
  if (!MouseLeavePoll::StopIfLeft(m_hWndMB)) return;
  m_bMouseOverBar = false;
  m_ToolTips.ResetTips();
  Refresh();
}

// ---- dropping ----

void MirelMenuBar20::DropBarMenu(int i) {
  if (i < 1 || i > m_Menus.Count()) return;
  const auto keep = KeepAlive();
  RECT rcWindow{};
  GetWindowRect(m_hWndMB, &rcWindow);
  tMenuWindowRequest request;
  request.iMenu = i;
  // Right-to-left, the menu hangs from the caption's right end instead of its left.
  const tMenuInfo& menu = m_Menus.Menu(i);
  const int lCaptionX = IsTrue(m_bRightToLeft) ? menu.cMCollX + menu.cMWidth + kCaptionWindowOffset
                                               : menu.cMCollX - kCaptionWindowOffset;
  request.X = static_cast<float>(lCaptionX + rcWindow.left) * m_sngTwipsPerPixelX;
  request.Y = static_cast<float>(BarHeight() + rcWindow.top) * m_sngTwipsPerPixelY;
  request.eKind = MenuWindowKind::BarDrop;
  request.lBarHeight = BarHeight();
  ShowMenuWindow(request);
  m_bDropped = true;
  m_iBarSelectedIndex = i;
  PaintBarCaptionPressed(i);
  // Dropped before the event, so that a handler closing the menus gets its MenuOnClose.
  m_iBarDroppedIndex = i;
  if (m_bSuppressDropEvents) return;
  const auto iMenu = static_cast<std::int16_t>(i);
  const std::string sKey = m_Menus.Menu(i).cMKey;
  m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuOnDrop(iMenu, sKey); });
}

void MirelMenuBar20::DropAdjacentBarMenu(int iStep) {
  const int n = m_Menus.Count();
  const int iFrom = m_iBarDroppedIndex != kNoBarMenu ? m_iBarDroppedIndex : (iStep > 0 ? 0 : n + 1);
  int iTarget = kNoBarMenu;
  for (int k = 1; k <= n && iTarget == kNoBarMenu; ++k) {
    const int j = (((iFrom - 1 + iStep * k) % n) + n) % n + 1;
    const tMenuInfo& menu = m_Menus.Menu(j);
    if (MenuBarLayout::IsBarMenu(menu) && IsTrue(menu.cMEnabled)) iTarget = j;
  }
  CloseAllMenus();
  if (iTarget == kNoBarMenu) return;
  m_bKeyboardOpened = true;
  DropBarMenu(iTarget);
}

void MirelMenuBar20::OpenPopUpMenu(int iMenu, float X, float Y) {
  if (std::exchange(m_bAltMode, false)) {  // a pop-up takes the keyboard from the captions
    m_iBarHoverIndex = kNoBarMenu;
    BlitFace();
  }
  tMenuWindowRequest request;
  request.iMenu = iMenu;
  request.X = X;
  request.Y = Y;
  request.eKind = MenuWindowKind::PopUp;
  ShowMenuWindow(request);
}

HWND MirelMenuBar20::OpenSubMenu(const std::string& sMenuKey, HWND hWndParent, float X, float Y) {
  const int iMenu = m_Menus.FindMenu(sMenuKey);
  if (iMenu == 0) return nullptr;
  tMenuWindowRequest request;
  request.iMenu = iMenu;
  request.X = X;
  request.Y = Y;
  request.eKind = MenuWindowKind::SubMenu;
  request.hWndParentMenu = hWndParent;
  return ShowMenuWindow(request);
}

void MirelMenuBar20::ToggleInfrequentItems(int iMenu, HWND hWndMenu) {
  const auto keep = KeepAlive();
  const frmMenu* form = frmMenu::FromWindow(hWndMenu);
  const bool bBarMenu = form != nullptr && form->IsBarMenu();
  RECT rcMenu{};
  GetWindowRect(hWndMenu, &rcMenu);
  const MenuTable::Watch menu(m_Menus, iMenu);
  tMenuInfo& record = m_Menus.Menu(iMenu);
  record.cMDisplayInfrequentState = IsTrue(record.cMDisplayInfrequentState) ? VARIANT_FALSE : VARIANT_TRUE;
  const bool bShown = IsTrue(record.cMDisplayInfrequentState);
  m_bSuppressDropEvents = true;
  CloseMenuWindows(false);
  LetPendingMessagesRun();
  const int m = menu.Menu();
  if (!Running() || m == 0) {
    m_bSuppressDropEvents = false;
    return;
  }
  if (bBarMenu) {
    DropBarMenu(m);
  } else {
    OpenPopUpMenu(m, static_cast<float>(rcMenu.left) * m_sngTwipsPerPixelX,
                  static_cast<float>(rcMenu.top) * m_sngTwipsPerPixelY);
  }
  m_bSuppressDropEvents = false;
  const auto iIndex = static_cast<std::int16_t>(m);
  const std::string sKey = m_Menus.Menu(m).cMKey;
  m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    if (bShown)
      sink.MenuOnInfrequentOpen(iIndex, sKey);
    else
      sink.MenuOnInfrequentClose(iIndex, sKey);
  });
}

void MirelMenuBar20::ChooseMenuItem(int m, int i, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  const auto keep = KeepAlive();
  const MenuTable::Watch item(m_Menus, m, i);
  if (Button >= 0) {
    const auto iMenu = static_cast<std::int16_t>(m);
    const auto iItem = static_cast<std::int16_t>(i);
    const std::string sMenuKey = m_Menus.Menu(m).cMKey;
    const std::string sItemKey = m_Menus.Item(m, i).cMIKey;
    m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuItemMouseUp(iMenu, sMenuKey, iItem, sItemKey, Button, Shift, X, Y); });
    if (!Running()) return;
  }
  CloseAllMenus();
  if (!Running()) return;
  LetPendingMessagesRun();
  if (!Running() || item.Item() == 0) return;
  RaiseMenuItemClick(static_cast<std::int16_t>(item.Menu()), static_cast<std::int16_t>(item.Item()));
}

// ---- closing ----

void MirelMenuBar20::HideAllMenus() { CloseAllMenus(); }

void MirelMenuBar20::CloseAllMenus(bool bByMessage) {
  const auto keep = KeepAlive();
  m_iBarSelectedIndex = kNoBarMenu;
  m_OverTimer.SetEnabled(false);
  CloseMenuWindows(bByMessage);
  if (!Running()) return;
  HideToolTip();
  m_bDropped = false;
  m_iBarDroppedIndex = kNoBarMenu;
  m_bKeyboardOpened = false;
  Refresh();
}

void MirelMenuBar20::CloseMenuWindows(bool bByMessage) {
  // Newest first: a sub-menu goes before the menu it hangs from. Each window takes itself
  // off the open list as it unloads.
  const std::vector<HWND> open = m_OpenMenuWindows;
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    if (!IsWindow(*it)) continue;
    if (bByMessage)
      SendMessageA(*it, frmMenu::kMsgUnloadMenu, 0, 0);
    else
      DestroyWindow(*it);
  }
  m_OpenMenuWindows.clear();
  m_hWndTracking = nullptr;
  m_bAltMode = false;
  BlitFace();
  // Taken first: a handler that closes the menus again raises no second MenuOnClose.
  const int iDropped = std::exchange(m_iBarDroppedIndex, kNoBarMenu);
  if (m_bSuppressDropEvents || iDropped == kNoBarMenu) return;
  const auto iMenu = static_cast<std::int16_t>(iDropped);
  const std::string sKey = m_Menus.Menu(iDropped).cMKey;
  m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuOnClose(iMenu, sKey); });
}

// ---- messages of the host's windows and of the control's window ----

// The watched messages only inform the control (preprocess): the window's own result stands.
LRESULT MirelMenuBar20::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  if (hWnd == m_hWndMB) {
    if (iMsg == WM_MOUSEMOVE) TrackBarMouseMove(wParam, lParam);
    if (MouseLeavePoll::IsTick(iMsg, wParam)) LeavePollTick();
    return 0;
  }
  if (iMsg == WM_SHOWWINDOW) {
    if (wParam == FALSE) CloseAllMenus(true);
    return 0;
  }
  OnHostWindowMessage(iMsg, wParam, lParam);
  return 0;
}

void MirelMenuBar20::OnHostWindowMessage(UINT iMsg, WPARAM /*wParam*/, LPARAM lParam) {
  if (!ClosesMenus(iMsg)) return;
  m_AutoDropTimer.SetEnabled(false);
  m_bAutoDropWindow = false;
  const auto hWndOther = reinterpret_cast<HWND>(lParam);
  if (hWndOther != nullptr && std::find(m_OpenMenuWindows.begin(), m_OpenMenuWindows.end(), hWndOther) !=
                                  m_OpenMenuWindows.end())
    return;
  if (hWndOther == nullptr && IgnoredWithoutWindow(iMsg)) return;
  m_bAltMode = false;  // a press anywhere or a change of activation ends keyboard access
  if (m_bDropped || !m_OpenMenuWindows.empty()) CloseAllMenus();
}

// ---- the bar's keys ----

bool MirelMenuBar20::TrackingKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool& bHandled) {
  if (!TakesKeys()) return true;
  if (bKeyUp) {
    m_iLastKey = -1;
    if (!m_bDropped) Refresh();
    return true;
  }
  const bool bRepeat = iVirtKey == m_iLastKey;
  m_iLastKey = iVirtKey;
  if (iVirtKey == VK_MENU) {
    if (bRepeat || m_Menus.Count() == 0) return true;
    if (m_bAltMode) {
      m_bAltMode = false;
      m_iBarHoverIndex = kNoBarMenu;
      if (m_bDropped) CloseAllMenus();
      BlitFace();
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
    m_iBarHoverIndex = kNoBarMenu;
    BlitFace();
    bHandled = true;
    return true;
  }
  // With any menu open (a pop-up included) the open menu has the keys, not the captions.
  if (bRepeat || m_bDropped || !m_OpenMenuWindows.empty() || iVirtKey == VK_RETURN || iVirtKey == VK_ESCAPE || IsArrowKey(iVirtKey)) return true;
  for (int i = 1; i <= m_Menus.Count(); ++i) {
    const tMenuInfo& menu = m_Menus.Menu(i);
    if (!MenuBarLayout::IsBarMenu(menu) || !IsTrue(menu.cMEnabled)) continue;
    if (Mnemonic::MnemonicKey(menu.cMCaption) != iVirtKey) continue;
    m_bKeyboardOpened = true;
    m_iBarHoverIndex = kNoBarMenu;
    m_iBarSelectedIndex = i;
    DropBarMenu(i);
    bHandled = true;
    return true;
  }
  return true;
}
