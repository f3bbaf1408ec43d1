#include "bands/BandInteraction.h"

#include <utility>

#include "bands/MirelReBar.h"
#include "common/MouseLeavePoll.h"
#include "container/MouseButtons.h"
#include "container/Screen.h"
#include "container/UserControl.h"

namespace {

constexpr int kGripperWidth = 6;    // x below this is the gripper
constexpr int kChevronWidth = 16;   // the chevron area at the right edge
constexpr int kArrowPart = 12;      // a drop-down tool's last pixels open it
constexpr int kDropClickCut = 14;   // a drop-down's click stops this far before its widened right edge
constexpr int kChevronLeftInset = 11;

bool IsDropDown(const tToolItemInfo& tool) {
  return tool.cTIStyle == teIconDropDown || tool.cTIStyle == teColorDropDown || tool.cTIStyle == teMenuDropDown;
}

}  // namespace

BandInteraction::BandInteraction(MirelReBar& band)
    : m_Band(band),
      m_ToolTips(m_ToolTipPreTimer, m_ToolTipPostTimer, m_TipDisplayTimer,
                 [this](const std::string& sText) { return m_pOwner != nullptr && m_pOwner->ShowToolTip(sText); },
                 [this] {
                   if (m_pOwner != nullptr) m_pOwner->HideToolTip();
                 }) {
  m_OverTimer.SetInterval(kOverTimerInterval);
  m_OverTimer.OnTimer = [this] { OverTimerTick(); };
  m_AutoDropTimer.SetInterval(kAutoDropTimerInterval);
  m_AutoDropTimer.OnTimer = [this] {
    m_AutoDropTimer.SetEnabled(false);
    m_Band.State().bSwitchWindow = false;
  };
}

void BandInteraction::SetTipDelays(std::int32_t lPreTime, std::int32_t lPostTime) {
  m_ToolTips.SetPreDelay(static_cast<std::int16_t>(lPreTime));
  m_ToolTips.SetPostDelay(static_cast<std::int16_t>(lPostTime));
}

// ---- hit tests ----

bool BandInteraction::Disabled(int t) const {
  return !IsTrue(m_Band.Tool(t).cTIEnabled) || !m_Band.Enabled() || !m_Band.CtrlEnabled();
}

// Tools past the overflow point are not on the screen, so they are not hit either.
bool BandInteraction::Hittable(int t) const {
  const auto& pass = m_Band.Pass().tools;
  const bool bDrawn = static_cast<std::size_t>(t) < pass.size() && pass[static_cast<std::size_t>(t)].bDrawn;
  return IsTrue(m_Band.Tool(t).cTIVisible) && !Disabled(t) && bDrawn;
}

bool BandInteraction::HoverHits(int t, int x) const {
  if (!Hittable(t)) return false;
  const int iHalf = m_Band.ToolSpacing() / 2;
  const tToolItemInfo& tool = m_Band.Tool(t);
  const int right = tool.cTILeft + tool.cTIWidth;
  return x >= tool.cTILeft - iHalf && (t == m_Band.ToolCount() ? x < right : x <= right + iHalf);
}

int BandInteraction::HoverHit(int x) const {
  int iHit = kNoTool;
  for (int t = 1; t <= m_Band.ToolCount(); ++t) {
    if (HoverHits(t, x)) iHit = t;
  }
  return iHit;
}

int BandInteraction::PressHit(int x) const {
  for (int t = 1; t <= m_Band.ToolCount(); ++t) {
    const tToolItemInfo& tool = m_Band.Tool(t);
    if (Hittable(t) && x >= tool.cTILeft && x < tool.cTILeft + tool.cTIWidth) return t;
  }
  return kNoTool;
}

bool BandInteraction::OverChevron(int x) const {
  return m_Band.DisplayMoreTools() && x >= m_Band.Width() - kChevronWidth;
}

bool BandInteraction::InArrowPart(int t, int x) const {
  const tToolItemInfo& tool = m_Band.Tool(t);
  return x >= tool.cTILeft + tool.cTIWidth - kArrowPart;
}

bool BandInteraction::Inside(POINT pt) const { return pt.x >= 0 && pt.y >= 0 && pt.x < m_Band.Width() && pt.y < m_Band.Height(); }

bool BandInteraction::Enabled() const { return m_pOwner != nullptr && m_Band.Enabled() && m_Band.CtrlEnabled(); }

BandInteraction::tTwipsPoint BandInteraction::ScreenTwips(POINT pt) const {
  ClientToScreen(m_Band.hWnd(), &pt);
  return tTwipsPoint{static_cast<float>(pt.x) * TwipsPerPixelX(), static_cast<float>(pt.y) * TwipsPerPixelY()};
}

tBandMouse BandInteraction::MouseArgs(std::int16_t iButton, WPARAM keyFlags, POINT pt) const {
  const tTwipsPoint at = ScreenTwips(pt);
  return tBandMouse{iButton, ShiftFromKeyFlags(keyFlags), at.x, at.y};
}

// The host shows its list of hidden tools at the chevron's bottom-left corner.
void BandInteraction::ReportChevron(bool bUp, const tBandMouse& mouse) {
  const tTwipsPoint corner = ScreenTwips(POINT{m_Band.Width() - kChevronLeftInset, m_Band.Height()});
  m_pOwner->ChevronMouse(m_Band, bUp, mouse, corner.x, corner.y);
}

void BandInteraction::Repaint() { m_Band.Paint(); }

bool BandInteraction::Gone(int t) const { return m_Band.Retired() || t > m_Band.ToolCount(); }

// ---- the mouse ----

void BandInteraction::MouseMove(WPARAM keyFlags, POINT pt) {
  tBandToolState& state = m_Band.State();
  const std::int16_t iButton = ButtonsFromKeyFlags(keyFlags);
  if (!state.bTracking && iButton == 0 && m_pOwner != nullptr) {
    state.bTracking = true;
    MouseLeavePoll::Start(m_Band.hWnd());
    m_pOwner->BandTrackingStarted(m_Band);
  }
  if (!Enabled() || m_Band.ToolCount() == 0 || m_bOpening) return;
  state.ptLastMouse = pt;
  const bool bWasInside = state.bInside;
  state.bInside = Inside(pt);
  if (!state.bInside) {
    state.iHotTool = kNoTool;
    state.iToolUnderCursor = kNoTool;
    state.bOverChevron = false;
    Repaint();
    return;
  }
  m_pOwner->BandMouseMoved(m_Band);
  if (Gone()) return;
  const bool bOverChevron = OverChevron(pt.x);
  int iCandidate = kNoTool;
  const tBandMouse mouse = MouseArgs(iButton, keyFlags, pt);
  for (int t = 1; t <= m_Band.ToolCount(); ++t) {
    if (!HoverHits(t, pt.x)) continue;
    m_pOwner->ToolMouse(m_Band, eToolMouse::Move, t, mouse);
    if (Gone(t)) return;
    iCandidate = t;
  }
  state.iToolUnderCursor = static_cast<std::int16_t>(iCandidate);
  if (!bOverChevron && state.bOverChevron) {
    state.bOverChevron = false;
    Repaint();
  }
  m_bMovePointer = pt.x < kGripperWidth && m_pOwner->BandCount() > 1;
  if (pt.x >= kGripperWidth && (pt.x < m_Band.Pass().lToolsRight || bOverChevron)) {
    if (iCandidate != state.iHotTool) {
      m_ToolTips.CancelTip();
      if (state.bDropPanelShown && iCandidate != state.iOpenDropTool) SwitchAway();
    }
    if (state.bButtonDown) {
      if (iCandidate == state.iDownTool) {
        state.iPressedTool = state.iPressedAgainTool = static_cast<std::int16_t>(iCandidate);
      } else if (iCandidate != kNoTool) {
        state.iPressedAgainTool = kNoTool;
        state.iPressedTool = state.iDownTool;
      }
      Repaint();
      return;
    }
    if (bOverChevron) {
      if (!state.bOverChevron) {
        state.bOverChevron = true;
        state.iHotTool = kNoTool;
        Repaint();
      }
      return;
    }
    // Every move over a tool offers its tip (the first starts the pre-delay), except while
    // sliding between drop-downs stays possible.
    if (iCandidate != kNoTool && !m_AutoDropTimer.Enabled()) m_ToolTips.RequestTip(m_Band.Tool(iCandidate).cTIToolTipText);
    if (iCandidate == state.iHotTool) return;
    const int iOldHot = state.iHotTool;
    const int iOldNext = state.iNextDropTool;
    state.iHotTool = static_cast<std::int16_t>(iCandidate);
    const bool bDropDown = iCandidate != kNoTool && IsDropDown(m_Band.Tool(iCandidate));
    if (bDropDown && state.bSwitchWindow && iCandidate != state.iOpenDropTool) {
      state.iNextDropTool = static_cast<std::int16_t>(iCandidate);
      m_OverTimer.Restart();
    } else {
      state.iNextDropTool = kNoTool;
    }
    // Moving from tool to tool changes those tools' frames only; entering the band changes
    // every checked tool's look too.
    if (bWasInside) {
      m_Band.PaintTools({iOldHot, iCandidate, iOldNext});
    } else {
      Repaint();
    }
    return;
  }
  m_ToolTips.CancelTip();
  state.iHotTool = kNoTool;
  Repaint();
}

void BandInteraction::LeavePollTick() {
  tBandToolState& state = m_Band.State();
  const bool bPanelOpen = state.bDropPanelShown;
  if (MouseLeavePoll::CursorInside(m_Band.hWnd()) && !bPanelOpen) return;
  KillTimer(m_Band.hWnd(), MouseLeavePoll::kTimerId);
  state.bTracking = false;
  state.bInside = false;
  m_ToolTips.ResetTips();
  state.iHotTool = kNoTool;
  state.iToolUnderCursor = kNoTool;
  state.bOverChevron = false;
  m_bMovePointer = false;
  Repaint();
}

void BandInteraction::MouseDown(std::int16_t iButton, WPARAM keyFlags, POINT pt) {
  if (!Enabled()) return;
  tBandToolState& state = m_Band.State();
  state.bButtonDown = true;
  state.iDownTool = kNoTool;
  // Moves and the release reach the band wherever the mouse goes while a button is held.
  SetCapture(m_Band.hWnd());
  const tBandMouse mouse = MouseArgs(iButton, keyFlags, pt);
  if (OverChevron(pt.x)) {
    ReportChevron(false, mouse);
    return;
  }
  m_pOwner->BandPressed(m_Band);
  if (Gone()) return;
  if (m_bMovePointer) {
    state.bDragging = true;
    m_pOwner->StartBandDrag(m_Band, pt);
    return;
  }
  state.iPressedTool = state.iPressedAgainTool = kNoTool;
  const int t = PressHit(pt.x);
  state.iDownTool = static_cast<std::int16_t>(t);
  if (t != kNoTool) PressTool(t, mouse, pt.x);
  Repaint();
}

void BandInteraction::PressTool(int t, const tBandMouse& mouse, int x) {
  tBandToolState& state = m_Band.State();
  const tToolItemInfo& tool = m_Band.Tool(t);
  if (IsDropDown(tool)) {
    if (InArrowPart(t, x)) {
      OpenDropDown(t);
    } else {
      state.iPressedTool = static_cast<std::int16_t>(t);  // the button part: clicked after the release
      Repaint();
    }
    return;
  }
  if (!IsTrue(tool.cTIGrouped)) {
    state.iPressedTool = static_cast<std::int16_t>(t);
    Repaint();
    m_pOwner->ToolMouse(m_Band, eToolMouse::Down, t, mouse);
    return;
  }
  const std::int16_t iGroupID = tool.cTIGroupID;
  const int iOld = ClearGroupOf(t);
  SetToolState(t, true);
  state.iPressedTool = static_cast<std::int16_t>(t);
  Repaint();
  m_pOwner->ToolMouse(m_Band, eToolMouse::Down, t, mouse);
  if (Gone(t)) return;
  m_pOwner->ToolGroupChange(m_Band, t, iOld, iGroupID);
}

void BandInteraction::MouseUp(std::int16_t iButton, WPARAM keyFlags, POINT pt) {
  if (GetCapture() == m_Band.hWnd()) ReleaseCapture();
  if (!Enabled() || m_Band.ToolCount() == 0) return;
  tBandToolState& state = m_Band.State();
  state.bButtonDown = false;
  if (state.bDragging) {
    state.bDragging = false;
    m_pOwner->EndBandDrag(m_Band);
    return;
  }
  const tBandMouse mouse = MouseArgs(iButton, keyFlags, pt);
  if (OverChevron(pt.x) && Inside(pt)) {
    ReportChevron(true, mouse);
    return;
  }
  if (!Inside(pt)) {
    state.iPressedTool = state.iPressedAgainTool = state.iDownTool = kNoTool;
    Repaint();
    return;
  }
  const int t = state.iPressedTool;
  if (t == kNoTool || t > m_Band.ToolCount()) return;
  const tToolItemInfo& tool = m_Band.Tool(t);
  if (IsTrue(tool.cTIGrouped)) {
    SetToolState(t, true);
  } else if (IsTrue(tool.cTIToggle)) {
    const bool bState = !IsTrue(tool.cTIState);
    state.iPressedTool = state.iPressedAgainTool = kNoTool;
    SetToolState(t, bState);
    Repaint();
    m_pOwner->ToolMouse(m_Band, eToolMouse::Up, t, mouse);
    if (Gone(t)) return;
    m_pOwner->ToolToggleChange(m_Band, t, bState);
    if (Gone(t)) return;
    if (iButton == vbLeftButton) Click(pt.x);
    return;
  } else {
    SetToolState(t, false);
  }
  state.iPressedTool = state.iPressedAgainTool = kNoTool;
  Repaint();
  m_pOwner->ToolMouse(m_Band, eToolMouse::Up, t, mouse);
  if (Gone(t)) return;
  if (iButton == vbLeftButton) Click(pt.x);
}

// The window's click after a left release inside it: the tool under the cursor must be the
// one the press started on, and the cursor still on its button part.
void BandInteraction::Click(int x) {
  tBandToolState& state = m_Band.State();
  const int t = std::exchange(state.iDownTool, kNoTool);
  if (t == kNoTool || t > m_Band.ToolCount() || HoverHit(x) != t || Disabled(t)) return;
  const tToolItemInfo& tool = m_Band.Tool(t);
  const int iHalf = m_Band.ToolSpacing() / 2;
  const int left = tool.cTILeft - iHalf;
  const int right = tool.cTILeft + tool.cTIWidth + iHalf;
  const bool bOnButton = IsDropDown(tool) ? x >= left && x < right - kDropClickCut : x >= left && x <= right;
  if (bOnButton) m_pOwner->ToolClick(m_Band, t);
}

void BandInteraction::SetToolState(int t, bool bState) {
  m_Band.SetToolState(t, bState);
  m_pOwner->ToolStateChanged(m_Band, t, bState);
}

int BandInteraction::ClearGroupOf(int t) {
  const std::int16_t iGroupID = m_Band.Tool(t).cTIGroupID;
  int iOld = kNoTool;
  for (int other = 1; other <= m_Band.ToolCount(); ++other) {
    const tToolItemInfo& tool = m_Band.Tool(other);
    if (other == t || !IsTrue(tool.cTIGrouped) || tool.cTIGroupID != iGroupID) continue;
    if (IsTrue(tool.cTIState)) iOld = other;
    SetToolState(other, false);
  }
  return iOld;
}

void BandInteraction::AltToolClick(int t) {
  if (m_pOwner == nullptr || t < 1 || t > m_Band.ToolCount() || Disabled(t)) return;
  tBandToolState& state = m_Band.State();
  const tToolItemInfo& tool = m_Band.Tool(t);
  if (IsTrue(tool.cTIGrouped)) {
    const int iOld = ClearGroupOf(t);
    SetToolState(t, iOld != kNoTool || !IsTrue(m_Band.Tool(t).cTIState));
  } else if (IsTrue(tool.cTIToggle)) {
    const bool bState = !IsTrue(tool.cTIState);
    state.iPressedTool = state.iPressedAgainTool = kNoTool;
    SetToolState(t, bState);
    Repaint();
    m_pOwner->ToolToggleChange(m_Band, t, bState);
    return;
  } else {
    m_pOwner->ToolClick(m_Band, t);
    return;
  }
  state.iPressedTool = state.iPressedAgainTool = kNoTool;
  Repaint();
  m_pOwner->ToolClick(m_Band, t);
}

// ---- drop-downs ----

void BandInteraction::OpenDropDown(int t) {
  tBandToolState& state = m_Band.State();
  state.iOpenDropTool = static_cast<std::int16_t>(t);
  state.iNextDropTool = kNoTool;
  m_ToolTips.ResetTips();
  m_bOpening = true;
  const bool bOpened = m_pOwner->OpenDropDown(m_Band, t);
  m_bOpening = false;
  if (m_Band.Retired()) return;
  // It may have closed again before this returns (a host that closes it from its events).
  if (bOpened && state.iOpenDropTool == t) {
    state.bDropPanelShown = true;
  } else {
    state.iOpenDropTool = kNoTool;
  }
  // The press that opened it is over: the open drop-down holds the mouse from here.
  state.bButtonDown = false;
  state.iDownTool = kNoTool;
  Repaint();
}

void BandInteraction::DropDownClosed() {
  tBandToolState& state = m_Band.State();
  state.iOpenDropTool = kNoTool;
  state.bDropPanelShown = false;
  Repaint();
}

// Leaving an open drop-down for another tool closes it; for a while the next drop-down under
// the mouse opens by itself.
void BandInteraction::SwitchAway() {
  m_pOwner->CloseDropDown(m_Band);
  tBandToolState& state = m_Band.State();
  state.iOpenDropTool = kNoTool;
  state.bDropPanelShown = false;
  state.bSwitchWindow = true;
  m_AutoDropTimer.Restart();
  Repaint();
}

void BandInteraction::OverTimerTick() {
  m_OverTimer.SetEnabled(false);
  if (m_pOwner == nullptr || m_Band.Retired()) return;
  const auto hold = m_pOwner->EnterDispatch();
  const tBandToolState& state = m_Band.State();
  const int t = state.iNextDropTool;
  if (t == kNoTool || t == state.iOpenDropTool || t > m_Band.ToolCount()) return;
  OpenDropDown(t);
}

void BandInteraction::ResetState() {
  tBandToolState& state = m_Band.State();
  const bool bTracking = state.bTracking;
  const bool bDropPanelShown = state.bDropPanelShown;
  const std::int16_t iOpen = state.iOpenDropTool;
  state = tBandToolState{};
  state.bTracking = bTracking;
  state.bDropPanelShown = bDropPanelShown;
  state.iOpenDropTool = iOpen;
}
