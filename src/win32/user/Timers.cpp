// Timers. As on Windows, a timer has at most one WM_TIMER waiting; the message is made when
// the queue is otherwise empty and the timer is due, and the next due time counts from then.
#include <cstddef>
#include <algorithm>

#include "win32/objcount.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

constexpr UINT USER_TIMER_MINIMUM = 10;
constexpr std::uintptr_t kFirstThreadTimerId = 0x7FF0;

std::uintptr_t nextThreadTimerId = kFirstThreadTimerId;

std::vector<TimerRecord>::iterator FindTimer(HWND hwnd, std::uintptr_t id) {
  auto& timers = State().timers;
  return std::find_if(timers.begin(), timers.end(),
                      [&](const TimerRecord& t) { return t.hwnd == hwnd && t.id == id; });
}

void PurgeTimerMessages(HWND hwnd, std::uintptr_t id) {
  auto& queue = State().queue;
  queue.erase(std::remove_if(queue.begin(), queue.end(),
                             [&](const MSG& m) { return m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == id; }),
              queue.end());
}

}  // namespace

namespace win32::userimpl {

bool PostDueTimer() {
  const DWORD now = Now();
  TimerRecord* due = nullptr;
  for (TimerRecord& t : State().timers) {
    if (!t.posted && t.due <= now && (!due || t.due < due->due)) due = &t;
  }
  if (!due) return false;
  due->posted = true;
  due->due = now + due->elapse;
  Post(due->hwnd, WM_TIMER, due->id, reinterpret_cast<LPARAM>(due->proc));
  return true;
}

void TimerMessageRemoved(const MSG& msg) {
  auto it = FindTimer(msg.hwnd, msg.wParam);
  if (it != State().timers.end()) it->posted = false;
}

DWORD NextTimerDue(bool* any) {
  *any = false;
  DWORD next = 0;
  for (const TimerRecord& t : State().timers) {
    if (t.posted) continue;
    if (!*any || t.due < next) next = t.due;
    *any = true;
  }
  return next;
}

void KillWindowTimers(HWND hwnd) {
  auto& timers = State().timers;
  const auto mine = [hwnd](const TimerRecord& t) { return t.hwnd == hwnd; };
  for (long n = std::count_if(timers.begin(), timers.end(), mine); n > 0; --n) {
    win32::CountDestroyed(win32::ObjectKind::Timer);
  }
  timers.erase(std::remove_if(timers.begin(), timers.end(), mine), timers.end());
}

}  // namespace win32::userimpl

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !Find(hwnd)) return 0;
  if (!hwnd) id = nextThreadTimerId++;
  const UINT interval = std::max(elapse, USER_TIMER_MINIMUM);
  const DWORD due = Now() + interval;
  auto it = FindTimer(hwnd, id);
  if (it != State().timers.end()) {
    PurgeTimerMessages(hwnd, id);
    *it = TimerRecord{hwnd, id, interval, due, proc, false};
  } else {
    State().timers.push_back(TimerRecord{hwnd, id, interval, due, proc, false});
    win32::CountCreated(win32::ObjectKind::Timer);
  }
  return hwnd && id == 0 ? 1 : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto it = FindTimer(hwnd, id);
  if (it == State().timers.end()) return FALSE;
  State().timers.erase(it);
  PurgeTimerMessages(hwnd, id);
  win32::CountDestroyed(win32::ObjectKind::Timer);
  return TRUE;
}
