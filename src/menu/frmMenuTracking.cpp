// Menu tracking on the menu window's side: rows follow the mouse, sub-menus cascade (at once,
// or 25 ms after another sub-menu of the same window closed), the expand arrow toggles the
// infrequent items after a second's hover, presses and releases choose items, keys move the
// highlight and choose, and a press on a bar caption can be dragged into the menu and
// released over an item. The window reports every item event to its owner, which raises it.
//
// Left out: menus opened from a rebar tool (the rebar is told of their clicks and closing)
// arrive with the bands.
#include <algorithm>
#include <limits>
#include <utility>

#include "common/MouseLeavePoll.h"
#include "container/HostExceptions.h"
#include "container/MouseButtons.h"
#include "menu/Mnemonic.h"
#include "menu/frmMenu.h"

namespace {

// Where a sub-menu opens, from this window's right edge: the mouse opens it overlapping by
// 4 pixels, the keyboard by 6.
constexpr int kMouseChildOverlap = 4;
constexpr int kKeyChildOverlap = 6;
constexpr std::int16_t kNoButton = 0;
constexpr int kNextRow = 1;
constexpr int kPreviousRow = -1;


// The runtime's Shift argument from a mouse message's key flags.
std::int16_t ShiftOf(WPARAM wParam) {
  std::int16_t iShift = 0;
  if (wParam & MK_SHIFT) iShift |= vbShiftMask;
  if (wParam & MK_CONTROL) iShift |= vbCtrlMask;
  return iShift;
}

bool IsLetterOrDigit(std::int16_t iVirtKey) {
  return (iVirtKey >= '0' && iVirtKey <= '9') || (iVirtKey >= 'A' && iVirtKey <= 'Z');
}

// The control's tip times load unchecked as 32-bit values; the menu's 16-bit delays take the
// nearest value they can hold, so a loaded 40000 never fails a drop.
std::int16_t TipDelay(std::int32_t lMilliseconds) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(lMilliseconds, 0, std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

void frmMenu::InitTracking() {
  m_OverTimer.OnTimer = [this] { ExpandArrowTick(); };
  m_MenuUnloadedTimer.OnTimer = [this] { MenuUnloadedTick(); };
  m_ToolTips.SetPreDelay(TipDelay(m_Setup.lToolTipPreTime));
  m_ToolTips.SetPostDelay(TipDelay(m_Setup.lToolTipPostTime));
}

bool frmMenu::ShowItemTip(const std::string& sText) { return m_Setup.pOwner->ShowMenuTip(sText); }

void frmMenu::HideItemTip() { m_Setup.pOwner->HideMenuTip(); }

frmMenu::tTwips frmMenu::ScreenTwips(int X, int Y) const {
  RECT rcWindow{};
  GetWindowRect(m_hWnd, &rcWindow);
  return {static_cast<float>(X + rcWindow.left) * m_Setup.TwipsPerPixelX,
          static_cast<float>(Y + rcWindow.top) * m_Setup.TwipsPerPixelY};
}

tMenuItemMouse frmMenu::ItemMouse(eMenuItemMouse eEvent, int iItem, std::int16_t Button, std::int16_t Shift, int X,
                                 int Y) const {
  const tTwips at = ScreenTwips(X, Y);
  std::string sItemKey = iItem != kNoMenuRow ? m_Setup.Items[static_cast<std::size_t>(iItem)].cMIKey : "";
  return {eEvent, m_Setup.iMenuIndex, iItem, std::move(sItemKey), Button, Shift, at.X, at.Y};
}

// ---- messages ----

bool frmMenu::TrackingMessage(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  if (hWnd == m_Setup.hWndControl) {
    ForwardControlMouse(iMsg, wParam, lParam);
    return true;
  }
  const int X = GET_X_LPARAM(lParam);
  const int Y = GET_Y_LPARAM(lParam);
  switch (iMsg) {
    case WM_MOUSEMOVE:
      MouseMove(ButtonsFromKeyFlags(wParam), ShiftOf(wParam), X, Y);
      return true;
    case WM_LBUTTONDOWN:
      MouseDown(vbLeftButton, ShiftOf(wParam), X, Y);
      return true;
    case WM_RBUTTONDOWN:
      MouseDown(vbRightButton, ShiftOf(wParam), X, Y);
      return true;
    case WM_MBUTTONDOWN:
      MouseDown(vbMiddleButton, ShiftOf(wParam), X, Y);
      return true;
    case WM_LBUTTONUP:
      MouseUp(vbLeftButton, ShiftOf(wParam), X, Y);
      return true;
    case WM_RBUTTONUP:
      MouseUp(vbRightButton, ShiftOf(wParam), X, Y);
      return true;
    case WM_MBUTTONUP:
      MouseUp(vbMiddleButton, ShiftOf(wParam), X, Y);
      return true;
    case WM_TIMER:
      if (!MouseLeavePoll::IsTick(iMsg, wParam)) return false;
      LeavePollTick();
      return true;
    default:
      return false;
  }
}

// While a press that began on a caption is dragged (the control holds the capture), the
// control window's moves and release over this window act as this window's own.
void frmMenu::ForwardControlMouse(UINT iMsg, WPARAM wParam, LPARAM lParam) {
  if (m_bClosing || !MouseLeavePoll::CursorInside(m_hWnd)) return;
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  MapWindowPoints(m_Setup.hWndControl, m_hWnd, &pt, 1);
  if (iMsg == WM_MOUSEMOVE && (wParam & MK_LBUTTON) != 0) {
    MouseMove(ButtonsFromKeyFlags(wParam), ShiftOf(wParam), pt.x, pt.y);
  } else if (iMsg == WM_LBUTTONUP) {
    const int iRow = m_Layout.HitTest(pt.y, true);
    if (iRow == kNoMenuRow || !IsTrue(m_Setup.Items[static_cast<std::size_t>(iRow)].cMIEnabled)) return;
    m_iPressed = iRow;
    MouseUp(vbLeftButton, ShiftOf(wParam), pt.x, pt.y);
  }
}

// ---- the mouse ----

void frmMenu::MouseMove(std::int16_t Button, std::int16_t Shift, int X, int Y) {
  if (m_bClosing) return;
  const bool bInside = MouseLeavePoll::CursorInside(m_hWnd);
  if (!m_bLeavePoll) {
    MouseLeavePoll::Start(m_hWnd);
    m_bLeavePoll = true;
  }
  if (m_bHasLastMouse && m_ptLastMouse.x == X && m_ptLastMouse.y == Y && !m_bMovedByKeys) return;
  m_ptLastMouse = POINT{X, Y};
  m_bHasLastMouse = true;
  m_bMovedByKeys = false;

  if (m_bExpandArrow && bInside && MenuWindowLayout::InExpandArrowZone(Y, m_Size.cy)) {
    SetHighlightedRow(kNoMenuRow);
    SetExpandArrowHot(true);
    if (!m_OverTimer.Enabled()) m_OverTimer.SetEnabled(true);
  } else {
    if (m_bExpandArrowHot) {
      m_OverTimer.SetEnabled(false);
      SetExpandArrowHot(false);
    }
    TrackRowUnderMouse(Y);
  }
  m_Setup.pOwner->MenuItemMouse(ItemMouse(eMenuItemMouse::Move, m_iHighlighted, Button, Shift, X, Y));
}

void frmMenu::TrackRowUnderMouse(int Y) {
  const bool bOnSeparatorLine = m_Layout.IsOnSeparatorLine(Y);
  const int iRow = bOnSeparatorLine ? kNoMenuRow : m_Layout.HitTest(Y);
  if (iRow != m_iHighlighted) m_ToolTips.CancelTip();
  SetHighlightedRow(iRow);
  const tMenuItemInfo* item = iRow != kNoMenuRow ? &m_Setup.Items[static_cast<std::size_t>(iRow)] : nullptr;
  if (bOnSeparatorLine || (item != nullptr && !IsTrue(item->cMIEnabled))) {
    m_ToolTips.CancelTip();
    CancelPendingChild();
    CloseChild();
    return;
  }
  if (item == nullptr) return;
  if (item->cMIStyle != tsSubMenu) {
    m_ToolTips.RequestTip(item->cMIToolTipText);
    CancelPendingChild();
    CloseChild();
    return;
  }
  if (HasOpenChild() && m_sChildKey == item->cMIKey) return;
  if (m_bChildPending && m_PendingChild.sItemKey == item->cMIKey) return;  // opens at the next tick
  const tMenuRow& row = m_Layout.Row(iRow);
  const int lChildX = m_Setup.Look.bRightToLeft ? 0 : m_Size.cx - kMouseChildOverlap;
  const tTwips at = ScreenTwips(lChildX, row.lBandTop);
  const tPendingChild child{item->cMISubMenuName, item->cMIKey, at.X, at.Y};
  if (!HasOpenChild() && !m_bChildPending) {
    OpenChildMenu(child);
    return;
  }
  CloseChild();
  m_PendingChild = child;
  m_bChildPending = true;
  m_MenuUnloadedTimer.Restart();
}

void frmMenu::MouseDown(std::int16_t Button, std::int16_t Shift, int X, int Y) {
  m_Setup.pOwner->HideMenuTip();
  if (m_bExpandArrow && MenuWindowLayout::InExpandArrowZone(Y, m_Size.cy)) {
    m_iPressed = kPressedNone;
    return;
  }
  const int iRow = m_Layout.HitTest(Y, true);
  if (iRow == kNoMenuRow) {
    m_iPressed = kPressedNone;
    return;
  }
  const tMenuItemInfo& item = m_Setup.Items[static_cast<std::size_t>(iRow)];
  if (!IsTrue(item.cMIEnabled)) {
    m_iPressed = kNoMenuRow;  // taken without effect: the release neither clicks nor toggles
    return;
  }
  m_iPressed = iRow;
  m_Setup.pOwner->MenuItemMouse(ItemMouse(eMenuItemMouse::Down, iRow, Button, Shift, X, Y));
}

void frmMenu::MouseUp(std::int16_t Button, std::int16_t Shift, int X, int Y) {
  const int iPressed = std::exchange(m_iPressed, kPressedNone);
  if (iPressed >= 1) {
    m_bClosing = true;
    m_Setup.pOwner->ChooseMenuItem(ItemMouse(eMenuItemMouse::Up, iPressed, Button, Shift, X, Y));  // unloads this window
    return;
  }
  if (iPressed == kPressedNone) {
    m_bClosing = true;
    m_Setup.pOwner->ToggleInfrequentItems(m_Setup.iMenuIndex, m_hWnd);  // unloads this window
  }
}

// ---- sub-menus ----

void frmMenu::OpenChildMenu(const tPendingChild& child) {
  const HWND hWndChild = m_Setup.pOwner->OpenSubMenu(child.sMenuKey, m_hWnd, child.X, child.Y);
  if (hWndChild != nullptr) SetOpenChildKey(child.sItemKey);
}

bool frmMenu::HasOpenChild() const { return m_Setup.pPopups->ChildOf(*this) != nullptr; }

void frmMenu::CloseChild() {
  m_Setup.pPopups->CloseChildrenOf(*this);
  SetOpenChildKey("");
}

void frmMenu::CancelPendingChild() {
  m_bChildPending = false;
  m_MenuUnloadedTimer.SetEnabled(false);
}

void frmMenu::MenuUnloadedTick() {
  m_MenuUnloadedTimer.SetEnabled(false);
  if (!m_bChildPending) return;
  m_bChildPending = false;
  if (!HasOpenChild()) OpenChildMenu(m_PendingChild);
}

// ---- timers ----

void frmMenu::LeavePollTick() {
  if (!MouseLeavePoll::StopIfLeft(m_hWnd)) return;
  m_bLeavePoll = false;
  m_bHasLastMouse = false;
  m_ToolTips.ResetTips();
  if (m_bExpandArrowHot) {
    m_OverTimer.SetEnabled(false);
    SetExpandArrowHot(false);
  }
  // The item whose sub-menu is open stays highlighted while the mouse is in the sub-menu.
  if (!HasOpenChild()) SetHighlightedRow(kNoMenuRow);
}

void frmMenu::ExpandArrowTick() {
  m_OverTimer.SetEnabled(false);
  m_iPressed = kPressedNone;
  MouseUp(kNoButton, 0, 0, 0);
}

// ---- keys ----

void frmMenu::HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) {
  host_exceptions::Contain([&] {
    MenuKey(iVirtKey, bKeyUp, bAlt, bShift, bHandled);
    return LRESULT{0};
  });
}

void frmMenu::MenuKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) {
  if (bKeyUp || bAlt || bShift || m_bClosing) return;
  IMenuWindowOwner& owner = *m_Setup.pOwner;
  if (iVirtKey == VK_ESCAPE) {
    bHandled = true;
    owner.CloseAllMenus();
    return;
  }
  // While a sub-menu is open, the keys belong to it.
  if (HasOpenChild()) return;
  const bool bRightToLeft = m_Setup.Look.bRightToLeft;
  const std::int16_t iForward = bRightToLeft ? VK_LEFT : VK_RIGHT;
  const std::int16_t iBack = bRightToLeft ? VK_RIGHT : VK_LEFT;
  if (iVirtKey == VK_RETURN) {
    if (m_iHighlighted == kNoMenuRow) return;
    bHandled = true;
    if (!IsTrue(m_Setup.Items[static_cast<std::size_t>(m_iHighlighted)].cMIEnabled)) return;
    m_iPressed = m_iHighlighted;
    MouseUp(kNoButton, 0, 0, 0);
  } else if (iVirtKey == VK_DOWN) {
    bHandled = true;
    MoveHighlight(kNextRow);
  } else if (iVirtKey == VK_UP) {
    bHandled = true;
    MoveHighlight(kPreviousRow);
  } else if (iVirtKey == iForward) {
    if (OpenHighlightedSubMenu()) {
      bHandled = true;
    } else if (m_Setup.bIsBarMenu) {
      bHandled = true;
      owner.DropAdjacentBarMenu(IMenuWindowOwner::kNextCaption);
    }
  } else if (iVirtKey == iBack) {
    if (m_Setup.bIsBarMenu) {
      bHandled = true;
      owner.DropAdjacentBarMenu(IMenuWindowOwner::kPreviousCaption);
    } else if (frmMenu* parent = FromWindow(m_Setup.hWndParentMenu)) {
      bHandled = true;
      parent->CloseChild();  // unloads this window
    }
  } else if (IsLetterOrDigit(iVirtKey)) {
    bHandled = ClickByMnemonic(iVirtKey);
  }
}

void frmMenu::MoveHighlight(int iStep) {
  std::vector<int> rows;
  for (int i = 1; i <= m_Layout.Count(); ++i) {
    const tMenuRow& row = m_Layout.Row(i);
    if (row.bShown && !row.bSeparator) rows.push_back(i);
  }
  if (rows.empty()) return;
  const auto current = std::find(rows.begin(), rows.end(), m_iHighlighted);
  int iNext = 0;
  if (iStep == kNextRow) {
    if (current == rows.end()) {
      iNext = rows.front();
    } else if (current + 1 != rows.end()) {
      iNext = *(current + 1);
    } else if (m_bExpandArrow) {
      m_iPressed = kPressedNone;
      MouseUp(kNoButton, 0, 0, 0);  // shows the infrequent items: the window re-opens
      return;
    } else {
      iNext = rows.front();
    }
  } else {
    iNext = (current == rows.end() || current == rows.begin()) ? rows.back() : *(current - 1);
  }
  m_bMovedByKeys = true;
  SetHighlightedRow(iNext);
}

bool frmMenu::OpenHighlightedSubMenu() {
  if (m_iHighlighted == kNoMenuRow) return false;
  const tMenuItemInfo& item = m_Setup.Items[static_cast<std::size_t>(m_iHighlighted)];
  if (item.cMIStyle != tsSubMenu || !IsTrue(item.cMIEnabled)) return false;
  const int lChildX = m_Setup.Look.bRightToLeft ? 0 : m_Size.cx - kKeyChildOverlap;
  const tTwips at = ScreenTwips(lChildX, m_Layout.Row(m_iHighlighted).lY);
  OpenChildMenu({item.cMISubMenuName, item.cMIKey, at.X, at.Y});
  return true;
}

bool frmMenu::ClickByMnemonic(std::int16_t iVirtKey) {
  for (int i = 1; i <= m_Layout.Count(); ++i) {
    const tMenuRow& row = m_Layout.Row(i);
    const tMenuItemInfo& item = m_Setup.Items[static_cast<std::size_t>(i)];
    if (!row.bShown || row.bSeparator || !IsTrue(item.cMIEnabled)) continue;
    if (Mnemonic::MnemonicKey(item.cMICaption) != iVirtKey) continue;
    m_iPressed = i;
    MouseUp(kNoButton, 0, 0, 0);
    return true;
  }
  return false;
}
