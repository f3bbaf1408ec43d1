// Functions the parts of USER call in each other, grouped by the file that defines them.
#pragma once
#include "win32/user/DesktopState.h"

namespace win32::userimpl {

// ZOrder.cpp: sibling order; top-level windows keep top-most ones above the rest and owned
// windows above their owners.
void UnlinkFromParent(WindowRecord* w);
void LinkToParent(WindowRecord* w, HWND insertAfter);
void BringToTop(WindowRecord* w);

// Activation.cpp
void ActivateTopLevel(HWND hwnd, WORD how);
void ForgetFocusAndActivation(WindowRecord* w);  // w is being hidden or destroyed
// Another application takes (false) or gives back (true) the activation.
void SwitchApplication(bool active);
bool IsInSubtree(HWND hwnd, const WindowRecord* root);

// Painting.cpp
void InvalidateClient(WindowRecord* w, const RECT* clientRect, bool erase, bool children);
HWND NextWindowToPaint(HWND within);  // nullptr: any window
void PaintNow(WindowRecord* w);  // sends WM_PAINT if an update is pending
void FitSurface(WindowRecord* w);  // a top-level moved or resized: its surface follows

// Timers.cpp
bool PostDueTimer();  // posts WM_TIMER for the first due timer; false if none
void KillWindowTimers(HWND hwnd);
void TimerMessageRemoved(const MSG& msg);
DWORD NextTimerDue(bool* any);

// Keyboard.cpp
inline constexpr SHORT kVkScanShiftFlag = 0x0100;  // VkKeyScanExA: the character needs Shift
inline constexpr SHORT kVkScanKeyMask = 0x00FF;
LRESULT RunKeyboardHooks(const MSG& msg);
int CharFromKeyState(int vk);  // the character a key makes with the current modifiers, or 0
bool IsExtendedKey(int vk);

// InputRouting.cpp: injected input becomes queued messages for the window Windows would pick.
void ReleaseCaptureWithin(const WindowRecord* root);  // capture in root or below
void RouteMouseMove(POINT screenPt);
void RouteMouseButton(win32::MouseButton button, bool down);
void RouteKey(int vk, bool down, int repeat);

// MessageQueue.cpp
LRESULT Send(WindowRecord* w, UINT msg, WPARAM wParam, LPARAM lParam);
void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PurgeMessages(HWND hwnd);

}  // namespace win32::userimpl
