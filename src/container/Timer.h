// The runtime's Timer component: raises its Timer event every Interval milliseconds while
// Enabled. Created disabled; restarting it means disabling and enabling it, which starts a
// full interval afresh. It ticks through WM_TIMER on a hidden window of its own, so it runs
// from the host's message loop like every other timer.
#pragma once
#include <functional>

#include "win32/types.h"

class Timer {
 public:
  static constexpr UINT kMaxInterval = 65535;

  Timer();
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  UINT Interval() const { return m_Interval; }
  // 0 stops the ticks while keeping Enabled; a change while running restarts the interval.
  // Values above 65535 raise error 380 and change nothing.
  void SetInterval(UINT milliseconds);
  bool Enabled() const { return m_Enabled; }
  void SetEnabled(bool enabled);
  // Enabled = False, then Enabled = True.
  void Restart();
  // True while the underlying system timer runs (Enabled and a non-zero Interval).
  bool Running() const { return m_Running; }

  // The Timer event.
  std::function<void()> OnTimer;

 private:
  static LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Apply();
  void Fire() const;

  HWND m_Window = nullptr;
  UINT m_Interval = 0;
  bool m_Enabled = false;
  bool m_Running = false;
};
