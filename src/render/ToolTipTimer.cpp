#include "render/ToolTipTimer.h"

#include <utility>

ToolTipTimer::ToolTipTimer(Timer& ToolTipPreTimer, Timer& ToolTipPostTimer, Timer& TipDisplayTimer, ShowTip show,
                           HideTip hide)
    : m_PreTimer(ToolTipPreTimer),
      m_PostTimer(ToolTipPostTimer),
      m_DisplayTimer(TipDisplayTimer),
      m_Show(std::move(show)),
      m_Hide(std::move(hide)) {
  m_DisplayTimer.SetInterval(kTipDisplayInterval);
  m_PreTimer.OnTimer = [this] { PreDelayTick(); };
  m_PostTimer.OnTimer = [this] { PostDelayTick(); };
  m_DisplayTimer.OnTimer = [this] { DisplayTick(); };
}

ToolTipTimer::~ToolTipTimer() {
  for (Timer* timer : {&m_PreTimer, &m_PostTimer, &m_DisplayTimer}) {
    timer->SetEnabled(false);
    timer->OnTimer = nullptr;
  }
}

void ToolTipTimer::SetPreDelay(std::int16_t iMilliseconds) { m_PreTimer.SetInterval(static_cast<UINT>(iMilliseconds)); }

void ToolTipTimer::SetPostDelay(std::int16_t iMilliseconds) {
  m_PostTimer.SetInterval(static_cast<UINT>(iMilliseconds));
}

void ToolTipTimer::RequestTip(const std::string& sText) {
  if (m_bArmed) {
    m_sTipText = sText;
    m_DisplayTimer.Restart();
    m_bShowPending = true;
  } else if (!m_PreTimer.Enabled()) {
    // The text is not kept here: the first mouse move after the pre-delay brings it again.
    m_PreTimer.SetEnabled(true);
    m_PostTimer.SetEnabled(false);
  }
}

void ToolTipTimer::PreDelayTick() {
  m_bArmed = true;
  if (!m_sTipText.empty()) {
    m_DisplayTimer.Restart();
    m_bShowPending = true;
  }
  m_PreTimer.SetEnabled(false);
  m_PostTimer.SetEnabled(true);
}

void ToolTipTimer::DisplayTick() {
  if (!m_bShowPending) return;
  m_bShowPending = false;
  m_bShown = m_Show(m_sTipText);
  m_PostTimer.Restart();
}

void ToolTipTimer::PostDelayTick() {
  m_DisplayTimer.SetEnabled(false);
  m_PostTimer.SetEnabled(false);
  CancelTip();
  m_bArmed = false;
}

void ToolTipTimer::CancelTip() {
  m_Hide();
  m_bShown = false;
  if (m_PreTimer.Enabled() && !m_bArmed) m_PreTimer.Restart();
  m_bShowPending = false;
  m_DisplayTimer.SetEnabled(false);
}

void ToolTipTimer::ResetTips() {
  m_bArmed = false;
  m_bShowPending = false;
  m_sTipText.clear();
  for (Timer* timer : {&m_PreTimer, &m_PostTimer, &m_DisplayTimer}) timer->SetEnabled(false);
  m_Hide();
  m_bShown = false;
}
