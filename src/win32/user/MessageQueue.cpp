// The thread's message queue. Retrieval follows Win32's priorities: posted and input
// messages first, then WM_QUIT, then WM_PAINT for windows with an update region, then due
// WM_TIMER messages. Keyboard messages pass the keyboard hooks as they are removed.
#include <algorithm>

#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

// The key strokes keyboard hooks see (not the characters made from them).
bool IsKeyStroke(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool Matches(const MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (hwnd && msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd)) return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return msg.message >= filterMin && msg.message <= filterMax;
}

bool TakePosted(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
  auto& queue = State().queue;
  for (auto it = queue.begin(); it != queue.end();) {
    if (!Matches(*it, hwnd, filterMin, filterMax)) {
      ++it;
      continue;
    }
    const MSG msg = *it;
    if (!remove) {
      *out = msg;
      return true;
    }
    it = queue.erase(it);
    if (msg.message == WM_TIMER) TimerMessageRemoved(msg);
    if (IsKeyStroke(msg.message) && RunKeyboardHooks(msg) != 0) {
      it = queue.begin();  // swallowed; hooks may have posted or removed messages
      continue;
    }
    *out = msg;
    return true;
  }
  return false;
}

bool TakeQuit(MSG* out, bool remove) {
  auto& state = State();
  if (!state.quitPending) return false;
  *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(state.quitCode), 0, Now(), state.cursor};
  if (remove) state.quitPending = false;
  return true;
}

bool TakePaint(MSG* out, HWND hwnd) {
  const HWND target = NextWindowToPaint(hwnd);
  if (!target) return false;
  *out = MSG{target, WM_PAINT, 0, 0, Now(), State().cursor};
  return true;
}

}  // namespace

namespace win32::userimpl {

LRESULT Send(WindowRecord* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = w->hwnd;
  if (w->proc) return w->proc(hwnd, msg, wParam, lParam);
  return w->unicode ? DefWindowProcW(hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto& state = State();
  state.queue.push_back(MSG{hwnd, msg, wParam, lParam, Now(), state.cursor});
}

void PurgeMessages(HWND hwnd) {
  auto& queue = State().queue;
  queue.erase(std::remove_if(queue.begin(), queue.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
              queue.end());
}

}  // namespace win32::userimpl

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WindowRecord* w = Find(hwnd);
  return w ? Send(w, msg, wParam, lParam) : 0;
}

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(hwnd, msg, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !Find(hwnd)) return FALSE;
  Post(hwnd, msg, wParam, lParam);
  return TRUE;
}

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(hwnd, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  auto& state = State();
  state.quitPending = true;
  state.quitCode = exitCode;
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg) return FALSE;
  const bool remove = (removeFlags & PM_REMOVE) != 0;
  const bool wantsQuit = filterMin == 0 && filterMax == 0;
  do {
    if (TakePosted(msg, hwnd, filterMin, filterMax, remove) || (wantsQuit && TakeQuit(msg, remove)) ||
        (Matches(MSG{hwnd, WM_PAINT, 0, 0, 0, {}}, hwnd, filterMin, filterMax) && TakePaint(msg, hwnd))) {
      State().messageTime = msg->time;
      return TRUE;
    }
  } while (PostDueTimer());
  return FALSE;
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  auto& state = State();
  while (!PeekMessageA(msg, hwnd, filterMin, filterMax, PM_REMOVE)) {
    if (!state.waitForEvents || !state.waitForEvents()) {
      *msg = MSG{nullptr, WM_QUIT, 0, 0, Now(), state.cursor};
      return FALSE;
    }
  }
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  const int ch = CharFromKeyState(static_cast<int>(msg->wParam));
  if (ch == 0) return FALSE;
  Post(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(ch), msg->lParam);
  return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg || !msg->hwnd) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  WindowRecord* w = Find(msg->hwnd);
  if (!w) return 0;
  const LRESULT result = Send(w, msg->message, msg->wParam, msg->lParam);
  // A WM_PAINT handler that did not validate must not bring the same WM_PAINT back for ever.
  if (msg->message == WM_PAINT && Find(msg->hwnd)) ValidateRect(msg->hwnd, nullptr);
  return result;
}

DWORD GetMessageTime() { return State().messageTime; }

DWORD GetTickCount() { return Now(); }
