// Active window, focus and enabled state. One application runs on the desktop, so
// WM_ACTIVATEAPP is sent when activation comes from or goes to no window at all, and then, as
// Windows does, to every top-level window of the application.
#include <utility>
#include <vector>

#include "win32/gdi.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

void ChangeFocus(HWND hwnd) {
  auto& state = State();
  const HWND old = state.focus;
  if (old == hwnd) return;
  state.focus = hwnd;
  if (WindowRecord* o = Find(old)) Send(o, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (WindowRecord* n = Find(hwnd); n && state.focus == hwnd) {
    Send(n, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  }
}

bool CanActivate(const WindowRecord* w) {
  return w && !w->IsChild() && w->IsVisibleStyle() && !(w->style & WS_DISABLED) && !w->destroying &&
         !(w->exStyle & WS_EX_NOACTIVATE);
}

// The window that takes over when `leaving` loses activation: its owner, else the top-most
// window that can be active.
HWND Successor(const WindowRecord* leaving) {
  if (WindowRecord* owner = Find(leaving->owner); CanActivate(owner)) return owner->hwnd;
  for (HWND h : DesktopRecord().children) {
    if (h != leaving->hwnd && CanActivate(Find(h))) return h;
  }
  return nullptr;
}

// A window brought to the top shows again only the parts visible windows above it covered.
void ShowWhatWasCovered(const WindowRecord* raised, const std::vector<HWND>& orderBefore) {
  const RECT rcRaised = ScreenRect(raised);
  for (HWND h : orderBefore) {
    if (h == raised->hwnd) return;
    const WindowRecord* above = Find(h);
    if (above == nullptr || !above->IsVisibleStyle()) continue;
    const RECT rcAbove = ScreenRect(above);
    RECT covered{};
    if (IntersectRect(&covered, &rcRaised, &rcAbove) != FALSE) MarkScreenDirty(covered);
  }
}

// The window whose activation changes first, then the application's other top-level windows,
// hidden ones included, top to bottom.
void SendActivateApp(HWND first, BOOL active) {
  const std::vector<HWND> others = DesktopRecord().children;
  if (WindowRecord* w = Find(first)) Send(w, WM_ACTIVATEAPP, static_cast<WPARAM>(active), 0);
  for (HWND h : others) {
    if (h == first) continue;
    if (WindowRecord* w = Find(h)) Send(w, WM_ACTIVATEAPP, static_cast<WPARAM>(active), 0);
  }
}

}  // namespace

namespace win32::userimpl {

bool IsInSubtree(HWND hwnd, const WindowRecord* root) {
  for (const WindowRecord* w = Find(hwnd); w; w = w->IsChild() ? Find(w->parent) : nullptr) {
    if (w == root) return true;
  }
  return false;
}

void ActivateTopLevel(HWND hwnd, WORD how) {
  auto& state = State();
  WindowRecord* next = TopLevelOf(Find(hwnd));
  const HWND nextHandle = next ? next->hwnd : nullptr;
  const HWND old = state.active;
  if (next) {
    const std::vector<HWND> before = DesktopRecord().children;
    BringToTop(next);
    ShowWhatWasCovered(next, before);
  }
  if (old == nextHandle) return;
  if (WindowRecord* o = Find(old)) {
    Send(o, WM_NCACTIVATE, FALSE, 0);
    if ((o = Find(old))) Send(o, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(nextHandle));
    if ((o = Find(old)) && IsInSubtree(state.focus, o)) ChangeFocus(nullptr);
    if (!nextHandle) SendActivateApp(old, FALSE);
  }
  state.active = nextHandle;
  if (!next) return;
  if (!old) SendActivateApp(nextHandle, TRUE);
  if ((next = Find(nextHandle))) Send(next, WM_NCACTIVATE, TRUE, 0);
  if ((next = Find(nextHandle))) Send(next, WM_ACTIVATE, how, reinterpret_cast<LPARAM>(old));
}

void SwitchApplication(bool active) {
  auto& state = State();
  if (!active) {
    if (!state.active) return;
    state.activeBeforeSwitch = state.active;
    ActivateTopLevel(nullptr, WA_INACTIVE);
    return;
  }
  const HWND previous = std::exchange(state.activeBeforeSwitch, nullptr);
  if (state.active || !CanActivate(Find(previous))) return;
  ActivateTopLevel(previous, WA_ACTIVE);
}

void ForgetFocusAndActivation(WindowRecord* w) {
  auto& state = State();
  if (!w->IsChild() && state.active == w->hwnd) ActivateTopLevel(Successor(w), WA_ACTIVE);
  if (IsInSubtree(state.focus, w)) ChangeFocus(nullptr);
}

}  // namespace win32::userimpl

BOOL IsWindow(HWND hwnd) { return Find(hwnd) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd) { return IsReallyVisible(Find(hwnd)) ? TRUE : FALSE; }

BOOL IsWindowEnabled(HWND hwnd) {
  const WindowRecord* w = Find(hwnd);
  return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL IsWindowUnicode(HWND hwnd) {
  const WindowRecord* w = Find(hwnd);
  return w && w->unicode ? TRUE : FALSE;
}

BOOL IsChild(HWND parent, HWND hwnd) {
  const WindowRecord* p = Find(parent);
  return p && hwnd != parent && IsInSubtree(hwnd, p) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  WindowRecord* w = Find(hwnd);
  if (!w) return FALSE;
  const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
    if (IsInSubtree(State().focus, w)) ChangeFocus(nullptr);
  }
  if ((w = Find(hwnd))) Send(w, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

HWND GetActiveWindow() { return State().active; }

HWND SetActiveWindow(HWND hwnd) {
  const HWND old = State().active;
  WindowRecord* w = TopLevelOf(Find(hwnd));
  if (hwnd && !w) return nullptr;
  ActivateTopLevel(hwnd, WA_ACTIVE);
  return old;
}

HWND GetForegroundWindow() { return State().active; }

BOOL SetForegroundWindow(HWND hwnd) {
  if (!Find(hwnd)) return FALSE;
  ActivateTopLevel(hwnd, WA_ACTIVE);
  return TRUE;
}

HWND GetFocus() { return State().focus; }

HWND SetFocus(HWND hwnd) {
  auto& state = State();
  const HWND old = state.focus;
  if (!hwnd) {
    ChangeFocus(nullptr);
    return old;
  }
  WindowRecord* w = Find(hwnd);
  if (!w || (w->style & WS_DISABLED)) return nullptr;
  WindowRecord* top = TopLevelOf(w);
  if (state.active != top->hwnd) ActivateTopLevel(top->hwnd, WA_ACTIVE);
  if (Find(hwnd)) ChangeFocus(hwnd);
  return old;
}
