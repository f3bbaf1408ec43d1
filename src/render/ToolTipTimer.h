// The tool-tip timing of one tip-showing window (the menu bar, a menu window, a band surface,
// the drop panel). The window feeds it the element under the mouse; after the pre-delay the
// window is armed and every element the mouse reaches shows its tip at the next tick of the
// 25 ms display timer; each shown tip restarts the post-delay, whose run-out withdraws the
// tip and disarms the window. The three timers belong to the window (they are its named
// constituents); the tip itself is shown and removed by the control through the two callbacks.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "container/Timer.h"

class ToolTipTimer {
 public:
  static constexpr UINT kTipDisplayInterval = 25;

  // Shows `sText` at the mouse position and reports whether a tip is now shown.
  using ShowTip = std::function<bool(const std::string& sText)>;
  using HideTip = std::function<void()>;

  // Takes over the timers' Timer events and sets the display timer's 25 ms interval.
  ToolTipTimer(Timer& ToolTipPreTimer, Timer& ToolTipPostTimer, Timer& TipDisplayTimer, ShowTip show, HideTip hide);
  ~ToolTipTimer();
  ToolTipTimer(const ToolTipTimer&) = delete;
  ToolTipTimer& operator=(const ToolTipTimer&) = delete;

  // The window's fToolTipPreTimer / fToolTipPostTimer: the delays in milliseconds.
  void SetPreDelay(std::int16_t iMilliseconds);
  void SetPostDelay(std::int16_t iMilliseconds);

  // The mouse moved over an element carrying `sText`.
  void RequestTip(const std::string& sText);
  // The element under the mouse changed.
  void CancelTip();
  // The mouse left the window, or the window goes away.
  void ResetTips();

  bool Armed() const { return m_bArmed; }
  bool ShowPending() const { return m_bShowPending; }
  bool Shown() const { return m_bShown; }
  const std::string& TipText() const { return m_sTipText; }

 private:
  void PreDelayTick();
  void DisplayTick();
  void PostDelayTick();

  Timer& m_PreTimer;
  Timer& m_PostTimer;
  Timer& m_DisplayTimer;
  ShowTip m_Show;
  HideTip m_Hide;

  bool m_bArmed = false;
  bool m_bShowPending = false;
  bool m_bShown = false;
  std::string m_sTipText;
};
