#include "win32/user/DesktopState.h"

#include <algorithm>
#include <cstddef>

#include "win32/gdi.h"
#include "win32/objcount.h"
#include "win32/user.h"
#include "win32/user/TextConversion.h"

namespace win32::userimpl {

namespace {

// The separate screen areas waiting to be composited, at most.
constexpr std::size_t kMostStaleAreas = 8;

void Initialise(DesktopState& state, const DesktopOptions& options) {
  auto desktop = std::make_unique<WindowRecord>();
  desktop->hwnd = reinterpret_cast<HWND>(kDesktopHandleValue);
  desktop->className = kDesktopClassName;
  desktop->style = WS_VISIBLE;
  desktop->rect = RECT{0, 0, options.width, options.height};
  state.windows.Add(kDesktopHandleValue, std::move(desktop));
  // The system's own "Static" class: a plain window that paints nothing of its own.
  state.classes.emplace(Lower(kStaticClassName), ClassRecord{.name = kStaticClassName, .proc = DefWindowProcA});
  auto clock = std::make_unique<VirtualClock>();
  state.virtualClock = clock.get();
  state.clock = std::move(clock);
  Display& display = TheDisplay();
  display.dpiX = options.dpi;
  display.dpiY = options.dpi;
  display.screen.Resize(options.width, options.height, state.desktopColor);
  display.damage = RECT{0, 0, options.width, options.height};
  display.stale.clear();
  display.stale.reserve(kMostStaleAreas);
  display.compose = &ComposeArea;
  display.unobscured = &UnobscuredOnScreen;
}

// Counts down what the old desktop still held, as if it had been destroyed.
void ForgetLiveObjects(DesktopState& state) {
  state.windows.ForEach([](std::uintptr_t handle, const std::unique_ptr<WindowRecord>&) {
    if (handle != kDesktopHandleValue) CountDestroyed(ObjectKind::Window);
  });
  for (std::size_t n = state.timers.size(); n > 0; --n) CountDestroyed(ObjectKind::Timer);
  for (std::size_t n = state.hooks.size(); n > 0; --n) CountDestroyed(ObjectKind::Hook);
}

}  // namespace

DesktopState& State() {
  static DesktopState state;
  static const bool ready = (Initialise(state, DesktopOptions{}), true);
  (void)ready;
  return state;
}

void ResetState(const DesktopOptions& options) {
  DesktopState& state = State();
  ForgetLiveObjects(state);
  state = DesktopState{};
  Initialise(state, options);
}

HWND DesktopHandle() { return reinterpret_cast<HWND>(kDesktopHandleValue); }

WindowRecord* Find(HWND hwnd) {
  const std::unique_ptr<WindowRecord>* record = State().windows.Find(reinterpret_cast<std::uintptr_t>(hwnd));
  return record != nullptr ? record->get() : nullptr;
}

void EraseWindow(HWND hwnd) { State().windows.Erase(reinterpret_cast<std::uintptr_t>(hwnd)); }

WindowRecord& DesktopRecord() { return *Find(DesktopHandle()); }

WindowRecord* TopLevelOf(WindowRecord* w) {
  while (w && w->IsChild()) w = Find(w->parent);
  return w;
}

POINT ScreenOrigin(const WindowRecord* w) {
  POINT origin{0, 0};
  while (w && w->hwnd != DesktopHandle()) {
    origin.x += w->rect.left;
    origin.y += w->rect.top;
    w = w->IsChild() ? Find(w->parent) : nullptr;
  }
  return origin;
}

POINT OriginInTopLevel(const WindowRecord* w) {
  POINT origin{0, 0};
  while (w && w->IsChild()) {
    origin.x += w->rect.left;
    origin.y += w->rect.top;
    w = Find(w->parent);
  }
  if (w) {
    origin.x -= w->surfaceArea.left;
    origin.y -= w->surfaceArea.top;
  }
  return origin;
}

RECT ScreenRect(const WindowRecord* w) {
  const POINT o = ScreenOrigin(w);
  return RECT{o.x, o.y, o.x + w->Width(), o.y + w->Height()};
}

RECT PlacedRect(int x, int y, int cx, int cy) {
  // Device coordinates are 27-bit on the NT line; positions and sizes beyond are held at the edge.
  constexpr int kLargestCoordinate = (1 << 27) - 1;
  x = std::clamp(x, -kLargestCoordinate, kLargestCoordinate);
  y = std::clamp(y, -kLargestCoordinate, kLargestCoordinate);
  cx = std::clamp(cx, 0, kLargestCoordinate);
  cy = std::clamp(cy, 0, kLargestCoordinate);
  return RECT{x, y, x + cx, y + cy};
}

bool IsReallyVisible(const WindowRecord* w) {
  while (w && w->hwnd != DesktopHandle()) {
    if (!w->IsVisibleStyle()) return false;
    if (!w->IsChild()) return true;
    w = Find(w->parent);
  }
  return w != nullptr;
}

DWORD Now() { return State().clock->Now(); }

bool RectEmpty(const RECT& r) { return IsRectEmpty(&r) != FALSE; }

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{};
  IntersectRect(&r, &a, &b);
  return r;
}

RECT Union(const RECT& a, const RECT& b) {
  RECT r{};
  UnionRect(&r, &a, &b);
  return r;
}

RECT Offset(const RECT& r, int dx, int dy) {
  RECT moved = r;
  OffsetRect(&moved, dx, dy);
  return moved;
}

bool Contains(const RECT& r, POINT pt) { return PtInRect(&r, pt) != FALSE; }

bool UnobscuredOnScreen(const win32::Surface& surface, POINT& screenOrigin) {
  const auto& tops = DesktopRecord().children;  // topmost first
  const auto owner = std::find_if(tops.begin(), tops.end(), [&](HWND h) {
    const WindowRecord* w = Find(h);
    return w && w->surface.get() == &surface;
  });
  if (owner == tops.end()) return false;
  const WindowRecord* w = Find(*owner);
  if (!w->IsVisibleStyle()) return false;
  const bool covered = std::any_of(tops.begin(), owner, [&](HWND h) {
    const WindowRecord* above = Find(h);
    return above && above->IsVisibleStyle() && !RectEmpty(Intersect(above->rect, w->rect));
  });
  if (covered) return false;
  screenOrigin = POINT{w->rect.left + w->surfaceArea.left, w->rect.top + w->surfaceArea.top};
  return true;
}

void MarkScreenDirty(const RECT& screenRect) {
  if (RectEmpty(screenRect)) return;
  // Areas merge where their box holds no more pixels than the two apart; others stay apart (a
  // caption and a menu away from it are two small areas, not one box spanning both), up to a
  // few, then everything is one box.
  const auto pixels = [](const RECT& r) {
    return static_cast<std::int64_t>(r.right - r.left) * static_cast<std::int64_t>(r.bottom - r.top);
  };
  std::vector<RECT>& stale = TheDisplay().stale;
  RECT area = screenRect;
  for (auto it = stale.begin(); it != stale.end();) {
    const RECT merged = Union(*it, area);
    if (pixels(merged) > pixels(*it) + pixels(area)) {
      ++it;
      continue;
    }
    area = merged;
    it = stale.erase(it);
  }
  if (stale.size() == kMostStaleAreas) {
    for (const RECT& other : stale) area = Union(other, area);
    stale.clear();
  }
  stale.push_back(area);
}

}  // namespace win32::userimpl
