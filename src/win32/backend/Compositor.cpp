// Composites top-level windows, bottom to top, into the screen over the desktop colour.
#include <algorithm>

#include "win32/gdi.h"
#include "win32/user/DesktopState.h"

namespace win32::userimpl {

namespace {

// The screen pixels w's surface holds.
RECT SurfaceOnScreen(WindowRecord* w) {
  const Surface& source = SurfaceOf(w);
  const RECT held = Offset(RECT{0, 0, source.width, source.height}, w->rect.left + w->surfaceArea.left,
                           w->rect.top + w->surfaceArea.top);
  return Intersect(w->rect, held);
}

void Blend(WindowRecord* w, const RECT& area, Surface& screen) {
  const RECT part = Intersect(area, SurfaceOnScreen(w));
  CountPixelsWritten(part);
  Surface& source = *w->surface;
  const POINT shift{w->rect.left + w->surfaceArea.left, w->rect.top + w->surfaceArea.top};
  for (int y = part.top; y < part.bottom; ++y) {
    std::copy_n(&source.At(part.left - shift.x, y - shift.y), part.right - part.left, &screen.At(part.left, y));
  }
}

// Whether w paints every pixel of the area: visible and with pixels all over it.
bool Covers(WindowRecord* w, const RECT& area) {
  if (!w->IsVisibleStyle()) return false;
  const RECT covered = Intersect(area, SurfaceOnScreen(w));
  return EqualRect(&area, &covered) != FALSE;
}

}  // namespace

void ComposeArea(const RECT& screenRect) {
  Surface& screen = TheDisplay().screen;
  const RECT area = Intersect(screenRect, RECT{0, 0, screen.width, screen.height});
  if (RectEmpty(area)) return;
  RECT& damage = TheDisplay().damage;
  UnionRect(&damage, &damage, &area);
  // Nothing below the topmost window that covers the whole area shows through it.
  const auto& tops = DesktopRecord().children;
  const auto covering = std::find_if(tops.begin(), tops.end(), [&](HWND h) { return Covers(Find(h), area); });
  if (covering == tops.end()) {
    const COLORREF background = State().desktopColor;
    for (int y = area.top; y < area.bottom; ++y) {
      screen.FillRow(area.left, y, area.right - area.left, background);
    }
    CountPixelsWritten(area);
  }
  for (auto it = std::make_reverse_iterator(covering == tops.end() ? covering : std::next(covering)); it != tops.rend();
       ++it) {
    WindowRecord* w = Find(*it);
    if (w->IsVisibleStyle()) Blend(w, area, screen);
  }
}

}  // namespace win32::userimpl
