// Default message handling: one small handler per message, dispatched by a table.
#include "win32/gdi.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

// hbrBackground may name a system colour as (COLOR_x + 1).
constexpr std::uintptr_t kLastSysColorBrushValue = 31;

LRESULT OnNcCreate(HWND, WPARAM, LPARAM) { return TRUE; }

LRESULT OnClose(HWND hwnd, WPARAM, LPARAM) {
  DestroyWindow(hwnd);
  return 0;
}

LRESULT OnEraseBackground(HWND hwnd, WPARAM wParam, LPARAM) {
  const WindowRecord* w = Find(hwnd);
  if (!w || !w->classBackground) return 0;
  HBRUSH brush = w->classBackground;
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value <= kLastSysColorBrushValue) brush = GetSysColorBrush(static_cast<int>(value) - 1);
  RECT client{};
  GetClientRect(hwnd, &client);
  FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
  return 1;
}

LRESULT OnPaint(HWND hwnd, WPARAM, LPARAM) {
  PAINTSTRUCT ps{};
  BeginPaint(hwnd, &ps);
  EndPaint(hwnd, &ps);
  return 0;
}

// A child asks its parent first, so a parent can keep a click from activating.
LRESULT OnMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  const WindowRecord* w = Find(hwnd);
  if (w && w->IsChild()) {
    if (const LRESULT parentSays = SendMessageA(w->parent, WM_MOUSEACTIVATE, wParam, lParam)) return parentSays;
  }
  return MA_ACTIVATE;
}

LRESULT OnNcActivate(HWND, WPARAM, LPARAM) { return TRUE; }

LRESULT OnActivate(HWND hwnd, WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hwnd);
  return 0;
}

// WM_SIZE and WM_MOVE come from here, as they do on Windows.
LRESULT OnWindowPosChanged(HWND hwnd, WPARAM, LPARAM lParam) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
  if (!pos) return 0;
  if (!(pos->flags & SWP_NOSIZE)) SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(pos->cx, pos->cy));
  if (!(pos->flags & SWP_NOMOVE)) SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(pos->x, pos->y));
  return 0;
}

LRESULT OnSetText(HWND hwnd, WPARAM, LPARAM lParam) {
  return SetWindowTextA(hwnd, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT OnGetText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  return GetWindowTextA(hwnd, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
}

LRESULT OnGetTextLength(HWND hwnd, WPARAM, LPARAM) { return GetWindowTextLengthA(hwnd); }

using Handler = LRESULT (*)(HWND, WPARAM, LPARAM);
struct HandlerEntry {
  UINT message;
  Handler handler;
};
constexpr HandlerEntry kHandlers[] = {
    {WM_NCCREATE, OnNcCreate},
    {WM_CLOSE, OnClose},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_PAINT, OnPaint},
    {WM_MOUSEACTIVATE, OnMouseActivate},
    {WM_NCACTIVATE, OnNcActivate},
    {WM_ACTIVATE, OnActivate},
    {WM_WINDOWPOSCHANGED, OnWindowPosChanged},
    {WM_SETTEXT, OnSetText},
    {WM_GETTEXT, OnGetText},
    {WM_GETTEXTLENGTH, OnGetTextLength},
};

}  // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  for (const HandlerEntry& entry : kHandlers) {
    if (entry.message == msg) return entry.handler(hwnd, wParam, lParam);
  }
  return 0;
}

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT: return SetWindowTextW(hwnd, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT: return GetWindowTextW(hwnd, reinterpret_cast<LPWSTR>(lParam), static_cast<int>(wParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}
