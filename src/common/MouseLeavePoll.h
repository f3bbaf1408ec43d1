// Noticing the mouse leave a window that does not capture it: a 10 ms timer on the window
// whose every tick compares the cursor with the window's rectangle.
#pragma once
#include "win32/windows.h"

namespace MouseLeavePoll {

inline constexpr UINT_PTR kTimerId = 1;

// Starts the poll's timer on hWnd.
void Start(HWND hWnd);
// Whether a message of the window is the poll's tick.
bool IsTick(UINT iMsg, WPARAM wParam);
// Whether the cursor lies inside hWnd's window rectangle.
bool CursorInside(HWND hWnd);
// At a tick: true when the cursor has left hWnd, whose poll then stops.
bool StopIfLeft(HWND hWnd);

}  // namespace MouseLeavePoll
