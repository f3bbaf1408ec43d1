// Update regions (kept as one bounding rectangle per window), WM_PAINT and WM_ERASEBKGND,
// and device contexts onto a window's part of its top-level surface.
#include <algorithm>

#include "win32/gdi.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

constexpr COLORREF kNewSurfaceColor = RGB(0xFF, 0xFF, 0xFF);

RECT ClientRect(const WindowRecord* w) { return RECT{0, 0, w->Width(), w->Height()}; }

// The part of top-level window w on the screen, in window coordinates.
RECT OnScreenArea(const WindowRecord* w) {
  const win32::Surface& screen = win32::TheDisplay().screen;
  return Intersect(ClientRect(w), RECT{-w->rect.left, -w->rect.top, screen.width - w->rect.left,
                                       screen.height - w->rect.top});
}

// The part of w not cut off by its ancestors, in its top-level's surface coordinates.
RECT VisibleInTopLevel(const WindowRecord* w) {
  const POINT o = OriginInTopLevel(w);
  RECT visible = Offset(ClientRect(w), o.x, o.y);
  for (const WindowRecord* p = w; p->IsChild();) {
    p = Find(p->parent);
    const POINT po = OriginInTopLevel(p);
    visible = Intersect(visible, Offset(ClientRect(p), po.x, po.y));
  }
  return visible;
}

HDC ScreenDC() {
  win32::Surface& screen = win32::TheDisplay().screen;
  return win32::CreateSurfaceDC(&screen, POINT{0, 0}, RECT{0, 0, screen.width, screen.height});
}

HWND FindPending(WindowRecord* w) {
  if (!w->IsVisibleStyle()) return nullptr;
  if (w->hasUpdate) return w->hwnd;
  for (HWND h : w->children) {
    if (HWND found = FindPending(Find(h))) return found;
  }
  return nullptr;
}

void PaintTree(WindowRecord* w, bool children) {
  const HWND hwnd = w->hwnd;
  PaintNow(w);
  if (!children || !(w = Find(hwnd))) return;
  const std::vector<HWND> kids = w->children;
  for (HWND h : kids) {
    if (WindowRecord* c = Find(h)) PaintTree(c, true);
  }
}

void Validate(WindowRecord* w, const RECT* rect) {
  if (!rect) {
    w->hasUpdate = false;
    w->erasePending = false;
    w->update = RECT{};
    return;
  }
  // One bounding rectangle cannot hold a partly validated area, so only a covering rectangle
  // validates.
  const RECT covered = Intersect(*rect, w->update);
  if (EqualRect(&covered, &w->update)) Validate(w, nullptr);
}

}  // namespace

namespace win32::userimpl {

void InvalidateClient(WindowRecord* w, const RECT* clientRect, bool erase, bool children) {
  if (!w || !IsReallyVisible(w)) return;
  const RECT area = clientRect ? Intersect(*clientRect, ClientRect(w)) : ClientRect(w);
  if (RectEmpty(area)) return;
  w->update = w->hasUpdate ? Union(w->update, area) : area;
  w->hasUpdate = true;
  w->erasePending = w->erasePending || erase;
  if (!children) return;
  for (HWND h : w->children) {
    WindowRecord* c = Find(h);
    const RECT inChild = Offset(area, -c->rect.left, -c->rect.top);
    InvalidateClient(c, &inChild, erase, true);
  }
}

HWND NextWindowToPaint(HWND within) {
  if (within) {
    WindowRecord* w = Find(within);
    return w && IsReallyVisible(w) ? FindPending(w) : nullptr;
  }
  for (HWND h : DesktopRecord().children) {
    if (HWND found = FindPending(Find(h))) return found;
  }
  return nullptr;
}

void PaintNow(WindowRecord* w) {
  if (!w->hasUpdate || !IsReallyVisible(w)) return;
  const HWND hwnd = w->hwnd;
  Send(w, WM_PAINT, 0, 0);
  if ((w = Find(hwnd))) Validate(w, nullptr);
}

win32::Surface& SurfaceOf(WindowRecord* w) {
  if (!w->surface) {
    w->surface = std::make_unique<win32::Surface>();
    w->surfaceArea = OnScreenArea(w);
    w->surface->Resize(w->surfaceArea.right - w->surfaceArea.left, w->surfaceArea.bottom - w->surfaceArea.top,
                       kNewSurfaceColor);
  }
  return *w->surface;
}

void FitSurface(WindowRecord* w) {
  if (!w->surface) return;
  const RECT area = OnScreenArea(w);
  const RECT old = w->surfaceArea;
  if (EqualRect(&area, &old)) return;
  win32::Surface fitted;
  fitted.Resize(area.right - area.left, area.bottom - area.top, kNewSurfaceColor);
  const RECT kept = Intersect(area, old);
  for (int y = kept.top; y < kept.bottom; ++y) {
    std::copy_n(&w->surface->At(kept.left - old.left, y - old.top), kept.right - kept.left,
                &fitted.At(kept.left - area.left, y - area.top));
  }
  *w->surface = std::move(fitted);
  w->surfaceArea = area;
  // Pixels that come onto the screen were never kept: the window paints them again.
  if (!EqualRect(&kept, &area)) InvalidateClient(w, nullptr, true, true);
}

}  // namespace win32::userimpl

HDC GetDC(HWND hwnd) {
  if (!hwnd || hwnd == DesktopHandle()) return ScreenDC();
  WindowRecord* w = Find(hwnd);
  if (!w) return nullptr;
  WindowRecord* top = TopLevelOf(w);
  win32::Surface& surface = SurfaceOf(top);  // first: it places the top-level's origin
  HDC hdc = win32::CreateSurfaceDC(&surface, OriginInTopLevel(w), VisibleInTopLevel(w));
  if (w->style & WS_CLIPCHILDREN) {
    for (HWND h : w->children) {
      const WindowRecord* c = Find(h);
      if (c && c->IsVisibleStyle()) ExcludeClipRect(hdc, c->rect.left, c->rect.top, c->rect.right, c->rect.bottom);
    }
  }
  return hdc;
}

HDC GetWindowDC(HWND hwnd) { return GetDC(hwnd); }

int ReleaseDC(HWND hwnd, HDC hdc) {
  const RECT drawn = win32::DrawnArea(hdc);
  if (!hdc || !DeleteDC(hdc)) return 0;
  // What was drawn reaches the screen now; the screen's own DC draws there directly.
  if (WindowRecord* w = Find(hwnd); w && w != &DesktopRecord() && IsReallyVisible(w)) {
    const RECT top = ScreenRect(TopLevelOf(w));
    MarkScreenDirty(Offset(drawn, top.left, top.top));
  }
  return 1;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  WindowRecord* w = Find(hwnd);
  if (!w || !ps) return nullptr;
  *ps = PAINTSTRUCT{};
  const bool erase = w->erasePending;
  ps->rcPaint = w->hasUpdate ? w->update : RECT{};
  Validate(w, nullptr);
  ps->hdc = GetDC(hwnd);
  IntersectClipRect(ps->hdc, ps->rcPaint.left, ps->rcPaint.top, ps->rcPaint.right, ps->rcPaint.bottom);
  // fErase: the background still needs erasing because WM_ERASEBKGND did not do it.
  if (erase) ps->fErase = Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) ? FALSE : TRUE;
  return ps->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  WindowRecord* w = hwnd ? Find(hwnd) : nullptr;
  if (hwnd && !w) return FALSE;
  if (!w) {
    for (HWND h : DesktopRecord().children) InvalidateClient(Find(h), nullptr, erase, true);
    return TRUE;
  }
  InvalidateClient(w, rect, erase != FALSE, !(w->style & WS_CLIPCHILDREN));
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  WindowRecord* w = Find(hwnd);
  if (!w) return FALSE;
  Validate(w, rect);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
  WindowRecord* w = Find(hwnd);
  if (!w) return FALSE;
  if (rect) *rect = w->hasUpdate ? w->update : RECT{};
  if (erase && w->hasUpdate && w->erasePending) {
    w->erasePending = false;
    HDC hdc = GetDC(hwnd);
    Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    ReleaseDC(hwnd, hdc);
  }
  return w->hasUpdate ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) { return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// The layer has no region objects, so the region argument is always NULL.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN /*region*/, UINT flags) {
  WindowRecord* w = hwnd ? Find(hwnd) : &DesktopRecord();
  if (!w) return FALSE;
  const RECT* target = rect;
  const bool children = (flags & RDW_ALLCHILDREN) ||
                        (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
  const std::vector<HWND> targets = w == &DesktopRecord() ? w->children : std::vector<HWND>{w->hwnd};
  for (HWND h : targets) {
    WindowRecord* t = Find(h);
    if (flags & RDW_INVALIDATE) InvalidateClient(t, target, (flags & RDW_ERASE) != 0, children);
    if (flags & RDW_VALIDATE) Validate(t, target);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintTree(t, children);
  }
  return TRUE;
}
