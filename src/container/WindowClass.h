// Small window helpers shared by the container's windows (forms, user controls, timers).
#pragma once
#include "container/HostExceptions.h"
#include "container/Ole.h"
#include "win32/types.h"

void RegisterWindowClass(const char* className, WNDPROC proc, UINT style);

// A window procedure that lets no exception of the library's own code out (see HostExceptions.h).
template <WNDPROC Proc>
LRESULT ContainedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return host_exceptions::Contain([&] { return Proc(hwnd, msg, wParam, lParam); });
}

// Registers the class once per desktop (a second registration fails harmlessly), with Proc
// as its window procedure.
template <WNDPROC Proc>
void EnsureWindowClass(const char* className, UINT style = 0) {
  RegisterWindowClass(className, &ContainedWindowProc<Proc>, style);
}

// True when `hwnd` is a live window whose property `propertyName` names `owner`; handles are
// reused after a desktop reset, so an owner checks this before destroying "its" window.
bool IsOwnWindow(HWND hwnd, const char* propertyName, const void* owner);

// Destroys `hwnd` when it is still `owner`'s, removing the property first.
void DestroyOwnWindow(HWND hwnd, const char* propertyName, const void* owner);

// WM_ERASEBKGND of a window with an OLE_COLOR background: fills its client area.
LRESULT EraseWithOleColor(HWND hwnd, HDC hdc, OLE_COLOR color);
