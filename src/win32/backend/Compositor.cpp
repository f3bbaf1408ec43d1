// Composites top-level windows, bottom to top, into the screen over the desktop colour. A
// window region cuts the window's shape.
#include <algorithm>

#include "win32/gdi.h"
#include "win32/user/DesktopState.h"

namespace win32::userimpl {

namespace {

void Blend(const WindowRecord* w, const RECT& area, Surface& screen) {
  const Surface& source = *w->surface;
  const RECT part = Intersect(area, Intersect(w->rect, Offset(RECT{0, 0, source.width, source.height}, w->rect.left, w->rect.top)));
  for (int y = part.top; y < part.bottom; ++y) {
    const int wy = y - w->rect.top;
    if (!w->region) {
      const auto row = source.pixels.begin() + (wy * source.width + part.left - w->rect.left);
      std::copy_n(row, part.right - part.left, &screen.At(part.left, y));
      continue;
    }
    for (int x = part.left; x < part.right; ++x) {
      const int wx = x - w->rect.left;
      if (PtInRegion(w->region, wx, wy)) screen.At(x, y) = source.At(wx, wy);
    }
  }
}

// Whether w paints every pixel of the area: visible, unshaped and with pixels all over it.
bool Covers(const WindowRecord* w, const RECT& area) {
  if (!w->IsVisibleStyle() || !w->surface || w->region) return false;
  const Surface& source = *w->surface;
  const RECT painted = Intersect(w->rect, Offset(RECT{0, 0, source.width, source.height}, w->rect.left, w->rect.top));
  const RECT covered = Intersect(area, painted);
  return EqualRect(&area, &covered) != FALSE;
}

}  // namespace

void ComposeArea(const RECT& screenRect) {
  Surface& screen = TheDisplay().screen;
  const RECT area = Intersect(screenRect, RECT{0, 0, screen.width, screen.height});
  if (RectEmpty(area)) return;
  // Nothing below the topmost window that covers the whole area shows through it.
  const auto& tops = DesktopRecord().children;
  const auto covering = std::find_if(tops.begin(), tops.end(), [&](HWND h) { return Covers(Find(h), area); });
  if (covering == tops.end()) {
    const COLORREF background = State().desktopColor;
    for (int y = area.top; y < area.bottom; ++y) {
      std::fill_n(&screen.At(area.left, y), area.right - area.left, background);
    }
  }
  for (auto it = std::make_reverse_iterator(covering == tops.end() ? covering : std::next(covering)); it != tops.rend();
       ++it) {
    const WindowRecord* w = Find(*it);
    if (w->IsVisibleStyle() && w->surface) Blend(w, area, screen);
  }
}

}  // namespace win32::userimpl
