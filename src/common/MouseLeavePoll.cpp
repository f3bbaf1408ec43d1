#include "common/MouseLeavePoll.h"

namespace MouseLeavePoll {
namespace {

constexpr UINT kInterval = 10;

}  // namespace

void Start(HWND hWnd) { SetTimer(hWnd, kTimerId, kInterval, nullptr); }

bool IsTick(UINT iMsg, WPARAM wParam) { return iMsg == WM_TIMER && wParam == kTimerId; }

bool CursorInside(HWND hWnd) {
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT rcWindow{};
  GetWindowRect(hWnd, &rcWindow);
  return PtInRect(&rcWindow, cursor) != FALSE;
}

bool StopIfLeft(HWND hWnd) {
  if (CursorInside(hWnd)) return false;
  KillTimer(hWnd, kTimerId);
  return true;
}

}  // namespace MouseLeavePoll
