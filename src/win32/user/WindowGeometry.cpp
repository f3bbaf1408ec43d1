// Position, size, visibility and z-order of windows, coordinate mapping and hit testing.
#include <algorithm>

#include "win32/gdi.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

constexpr UINT kShowHideFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

// The deepest visible, enabled child of w under pt (w's client coordinates), or w itself.
WindowRecord* DeepestChildAt(WindowRecord* w, POINT pt) {
  for (HWND h : w->children) {
    WindowRecord* c = Find(h);
    if (!c->IsVisibleStyle() || (c->style & WS_DISABLED) || !Contains(c->rect, pt)) continue;
    return DeepestChildAt(c, POINT{pt.x - c->rect.left, pt.y - c->rect.top});
  }
  return w;
}

// Whatever the window covered must be drawn again by whatever lies beneath.
void Uncover(WindowRecord* w, const RECT& oldRectInParent, const RECT& oldScreenRect) {
  if (w->IsChild()) InvalidateClient(Find(w->parent), &oldRectInParent, true, true);
  MarkScreenDirty(oldScreenRect);
}

void ApplyZOrder(WindowRecord* w, HWND insertAfter) {
  if (!w->IsChild()) {
    if (insertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
  }
  UnlinkFromParent(w);
  LinkToParent(w, insertAfter);
}

}  // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WindowRecord* w = Find(hwnd);
  if (!w || w == &DesktopRecord()) return FALSE;
  WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    pos.x = w->rect.left;
    pos.y = w->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = w->Width();
    pos.cy = w->Height();
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = Find(hwnd))) return FALSE;
  }
  const bool wasVisible = IsReallyVisible(w);
  const RECT oldScreen = ScreenRect(w);
  const RECT oldRect = w->rect;
  const bool moved = pos.x != w->rect.left || pos.y != w->rect.top;
  const bool sized = pos.cx != w->Width() || pos.cy != w->Height();
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  w->rect = PlacedRect(pos.x, pos.y, pos.cx, pos.cy);
  if (moved || sized) FitSurface(w);
  if (!(flags & SWP_NOZORDER)) ApplyZOrder(w, insertAfter);
  if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
  const bool nowVisible = IsReallyVisible(w);

  const bool restacked = !(flags & SWP_NOZORDER);
  if (wasVisible && (moved || sized || !nowVisible || restacked)) Uncover(w, oldRect, oldScreen);
  if (nowVisible) {
    // A top-level window keeps its own surface, so only showing or sizing it needs a repaint;
    // a child shares its top-level's surface and is painted again wherever it lands.
    const bool repaint = !wasVisible || sized || (w->IsChild() && (moved || restacked));
    if (repaint && !(flags & SWP_NOREDRAW)) InvalidateClient(w, nullptr, true, true);
    if (repaint || moved || restacked) MarkScreenDirty(ScreenRect(w));
  }
  if (wasVisible && !nowVisible) ForgetFocusAndActivation(w);
  if (nowVisible && !w->IsChild() && !(flags & SWP_NOACTIVATE) && !(w->exStyle & WS_EX_NOACTIVATE)) {
    ActivateTopLevel(hwnd, WA_ACTIVE);
  }
  if ((w = Find(hwnd))) Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL ShowWindow(HWND hwnd, int command) {
  WindowRecord* w = Find(hwnd);
  if (!w) return FALSE;
  const BOOL wasVisible = w->IsVisibleStyle() ? TRUE : FALSE;
  if (command == SW_HIDE) {
    if (!wasVisible) return FALSE;
    Send(w, WM_SHOWWINDOW, FALSE, 0);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | kShowHideFlags);
    return wasVisible;
  }
  const bool activate = !w->IsChild() && command != SW_SHOWNOACTIVATE && command != SW_SHOWNA &&
                        command != SW_SHOWMINNOACTIVE;
  // SW_SHOWNA raises a top-level window without activating it; SW_SHOWNOACTIVATE leaves it
  // where it stands.
  const bool keepZOrder = w->IsChild() || command == SW_SHOWNOACTIVATE || command == SW_SHOWMINNOACTIVE;
  if (!wasVisible) Send(w, WM_SHOWWINDOW, TRUE, 0);
  if (!Find(hwnd)) return wasVisible;
  UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
  if (!activate) flags |= SWP_NOACTIVATE;
  if (keepZOrder) flags |= SWP_NOZORDER;
  if (!wasVisible || activate) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
  return wasVisible;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  const WindowRecord* w = Find(hwnd);
  if (!w || !rect) return FALSE;
  *rect = ScreenRect(w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  const WindowRecord* w = Find(hwnd);
  if (!w || !rect) return FALSE;
  *rect = RECT{0, 0, w->Width(), w->Height()};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT pt) {
  const WindowRecord* w = Find(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ScreenOrigin(w);
  pt->x += o.x;
  pt->y += o.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt) {
  const WindowRecord* w = Find(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ScreenOrigin(w);
  pt->x -= o.x;
  pt->y -= o.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  const POINT a = from ? ScreenOrigin(Find(from)) : POINT{0, 0};
  const POINT b = to ? ScreenOrigin(Find(to)) : POINT{0, 0};
  const int dx = a.x - b.x;
  const int dy = a.y - b.y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return MAKELPARAM(dx, dy);
}

HWND WindowFromPoint(POINT pt) {
  for (HWND h : DesktopRecord().children) {
    WindowRecord* w = Find(h);
    if (!w->IsVisibleStyle() || !Contains(w->rect, pt)) continue;
    return DeepestChildAt(w, POINT{pt.x - w->rect.left, pt.y - w->rect.top})->hwnd;
  }
  return DesktopHandle();
}

HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags) {
  WindowRecord* p = Find(parent);
  if (!p || !Contains(RECT{0, 0, p->Width(), p->Height()}, pt)) return nullptr;
  for (HWND h : p->children) {
    WindowRecord* c = Find(h);
    if ((flags & CWP_SKIPINVISIBLE) && !c->IsVisibleStyle()) continue;
    if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
    if (Contains(c->rect, pt)) return h;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) { return ChildWindowFromPointEx(parent, pt, CWP_ALL); }

