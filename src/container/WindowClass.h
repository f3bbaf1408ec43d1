// Small window helpers shared by the container's windows (forms, user controls, timers).
#pragma once
#include "container/Ole.h"
#include "win32/types.h"

// Registers the class once per desktop (a second registration fails harmlessly).
void EnsureWindowClass(const char* className, WNDPROC proc, UINT style = 0);

// True when `hwnd` is a live window whose property `propertyName` names `owner`; handles are
// reused after a desktop reset, so an owner checks this before destroying "its" window.
bool IsOwnWindow(HWND hwnd, const char* propertyName, const void* owner);

// Destroys `hwnd` when it is still `owner`'s, removing the property first.
void DestroyOwnWindow(HWND hwnd, const char* propertyName, const void* owner);

// WM_ERASEBKGND of a window with an OLE_COLOR background: fills its client area.
LRESULT EraseWithOleColor(HWND hwnd, HDC hdc, OLE_COLOR color);
