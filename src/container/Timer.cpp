#include "container/Timer.h"

#include "container/RuntimeErrors.h"
#include "container/WindowClass.h"
#include "win32/user.h"

namespace {

constexpr char kClassName[] = "MirelTimerWindow";
constexpr char kObjectProperty[] = "MirelTimer:ObjectPtr";
constexpr std::uintptr_t kTimerId = 1;

}  // namespace

Timer::Timer() = default;

Timer::~Timer() {
  // After a desktop reset the handle may name someone else's window: check it is still ours.
  if (m_Running && IsOwnWindow(m_Window, kObjectProperty, this)) KillTimer(m_Window, kTimerId);
  DestroyOwnWindow(m_Window, kObjectProperty, this);
}

void Timer::SetInterval(UINT milliseconds) {
  if (milliseconds > kMaxInterval) {
    RaiseRuntimeErrorFrom(runtime_error_number::InvalidPropertyValue, "Timer");
  }
  if (milliseconds == m_Interval) return;
  m_Interval = milliseconds;
  if (m_Running) {
    KillTimer(m_Window, kTimerId);
    m_Running = false;
  }
  Apply();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == m_Enabled) return;
  m_Enabled = enabled;
  Apply();
}

void Timer::Restart() {
  SetEnabled(false);
  SetEnabled(true);
}

void Timer::Apply() {
  const bool run = m_Enabled && m_Interval > 0;
  if (run == m_Running) return;
  if (!run) {
    KillTimer(m_Window, kTimerId);
    m_Running = false;
    return;
  }
  if (!IsOwnWindow(m_Window, kObjectProperty, this)) {
    EnsureWindowClass<&Timer::WindowProc>(kClassName);
    m_Window = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SetPropA(m_Window, kObjectProperty, this);
  }
  m_Running = SetTimer(m_Window, kTimerId, m_Interval, nullptr) != 0;
}

void Timer::Fire() const {
  // A copy: the handler may disable, change or destroy this timer.
  const std::function<void()> handler = OnTimer;
  if (handler) handler();
}

LRESULT Timer::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kTimerId) {
    if (const auto* timer = static_cast<const Timer*>(GetPropA(hwnd, kObjectProperty))) {
      if (timer->m_Running) timer->Fire();
    }
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
