// The desktop's public face: reset, time, message pumping, input injection and snapshots.
#include "win32/desktop.h"

#include <algorithm>
#include <utility>

#include "win32/png_io.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

// The part of a window's top-level surface that shows the window.
Surface WindowImage(HWND hwnd) {
  Surface image;
  WindowRecord* w = Find(hwnd);
  if (!w || w == &DesktopRecord()) return image;
  const Surface& source = SurfaceOf(TopLevelOf(w));
  const POINT o = OriginInTopLevel(w);
  image.Resize(w->Width(), w->Height());
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (source.Contains(o.x + x, o.y + y)) image.At(x, y) = source.At(o.x + x, o.y + y);
    }
  }
  return image;
}

}  // namespace

Desktop::Desktop() = default;
Desktop::~Desktop() = default;

Desktop& TheDesktop() {
  static Desktop desktop;
  return desktop;
}

void Desktop::Reset(const DesktopOptions& options) { ResetState(options); }

int Desktop::ScreenWidth() const { return TheDisplay().screen.width; }
int Desktop::ScreenHeight() const { return TheDisplay().screen.height; }
int Desktop::Dpi() const { return TheDisplay().dpiX; }
int Desktop::TwipsPerPixel() const { return kTwipsPerInch / Dpi(); }

void Desktop::SetDesktopColor(COLORREF color) {
  State().desktopColor = color;
  ComposeArea(RECT{0, 0, ScreenWidth(), ScreenHeight()});
}

DWORD Desktop::Now() const { return userimpl::Now(); }

void Desktop::AdvanceTime(DWORD ms) {
  VirtualClock* clock = State().virtualClock;
  if (!clock) return;
  const DWORD target = clock->Now() + ms;
  DoEvents();
  // A pending WM_QUIT comes before any WM_TIMER, so no timer can fire until the outer loop
  // takes it: time simply moves on.
  while (!State().quitPending) {
    bool any = false;
    const DWORD due = NextTimerDue(&any);
    if (!any || due > target) break;
    clock->Set(std::max(due, clock->Now()));
    DoEvents();
  }
  clock->Set(target);
  DoEvents();
}

void Desktop::SetClock(std::unique_ptr<Clock> clock) {
  State().virtualClock = nullptr;
  State().clock = std::move(clock);
}

void Desktop::SetEventWait(std::function<bool()> wait) { State().waitForEvents = std::move(wait); }

void Desktop::DoEvents() {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the outer loop
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void Desktop::MouseMove(int x, int y) {
  RouteMouseMove(POINT{x, y});
  DoEvents();
}

void Desktop::MouseDown(MouseButton button) {
  RouteMouseButton(button, true);
  DoEvents();
}

void Desktop::MouseUp(MouseButton button) {
  RouteMouseButton(button, false);
  DoEvents();
}

void Desktop::Click(MouseButton button) {
  MouseDown(button);
  MouseUp(button);
}

void Desktop::DoubleClick(MouseButton button) {
  Click(button);
  Click(button);
}

void Desktop::KeyDown(int vk, int repeat) {
  RouteKey(vk, true, repeat);
  DoEvents();
}

void Desktop::KeyUp(int vk) {
  RouteKey(vk, false, 1);
  DoEvents();
}

void Desktop::KeyPress(int vk) {
  KeyDown(vk);
  KeyUp(vk);
}

void Desktop::TypeChar(char ch) {
  const SHORT scan = VkKeyScanExA(ch, GetKeyboardLayout(0));
  if (scan == -1) return;
  const bool shift = (scan & kVkScanShiftFlag) != 0;
  if (shift) KeyDown(VK_SHIFT);
  KeyPress(scan & kVkScanKeyMask);
  if (shift) KeyUp(VK_SHIFT);
}

void Desktop::SetApplicationActive(bool active) {
  SwitchApplication(active);
  DoEvents();
}

void Desktop::QueueModalKeys(const std::vector<int>& keys) {
  auto& queued = State().modalKeys;
  queued.insert(queued.end(), keys.begin(), keys.end());
}

const Surface& Desktop::Screen() { return TheDisplay().Current(); }

RECT Desktop::TakeScreenDamage() {
  TheDisplay().Current();
  return std::exchange(TheDisplay().damage, RECT{0, 0, 0, 0});
}

COLORREF Desktop::ScreenPixel(int x, int y) {
  const Surface& screen = Screen();
  return screen.Contains(x, y) ? screen.At(x, y) : CLR_INVALID;
}

bool Desktop::SaveScreenPng(const std::string& path) { return WritePng(Screen(), path); }

bool Desktop::SaveWindowPng(HWND hwnd, const std::string& path) {
  const Surface image = WindowImage(hwnd);
  return image.width > 0 && image.height > 0 && WritePng(image, path);
}

COLORREF Desktop::WindowPixel(HWND hwnd, int x, int y) {
  WindowRecord* w = Find(hwnd);
  if (!w || w == &DesktopRecord() || x < 0 || y < 0 || x >= w->Width() || y >= w->Height()) return CLR_INVALID;
  const Surface& source = SurfaceOf(TopLevelOf(w));
  const POINT o = OriginInTopLevel(w);
  return source.Contains(o.x + x, o.y + y) ? source.At(o.x + x, o.y + y) : CLR_INVALID;
}

}  // namespace win32
