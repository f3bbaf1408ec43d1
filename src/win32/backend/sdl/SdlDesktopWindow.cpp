#include "win32/backend/sdl/SdlDesktopWindow.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "win32/backend/sdl/SdlKeyMap.h"
#include "win32/gdi.h"
#include "win32/user/UserInternals.h"

namespace win32::sdl {

namespace {

// Windows offers these scale steps; a monitor's measured DPI snaps to the nearest one so
// that twips per pixel stays a whole number.
constexpr std::array<int, 4> kDpiSteps{96, 120, 144, 192};
constexpr int kBytesPerPixel = 4;
constexpr int kBitsPerPixel = 32;
constexpr POINT kOffScreen{-1, -1};
constexpr char kVideoDriverVariable[] = "SDL_VIDEODRIVER";
constexpr std::array<std::string_view, 2> kInvisibleDrivers{"offscreen", "dummy"};
// COLORREF is 0x00BBGGRR: SDL's XBGR8888 reads those bytes as they are.
constexpr Uint32 kScreenPixelFormat = SDL_PIXELFORMAT_XBGR8888;

class SteadyClock final : public Clock {
 public:
  DWORD Now() const override {
    const auto elapsed = std::chrono::steady_clock::now() - m_Start;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  }

 private:
  std::chrono::steady_clock::time_point m_Start = std::chrono::steady_clock::now();
};

int SnapDpi(float measured) {
  int best = kDefaultDpi;
  for (int step : kDpiSteps) {
    if (std::abs(measured - static_cast<float>(step)) < std::abs(measured - static_cast<float>(best))) best = step;
  }
  return best;
}

int MonitorDpi() {
  float horizontal = 0;
  if (SDL_GetDisplayDPI(0, nullptr, &horizontal, nullptr) != 0 || horizontal <= 0) return kDefaultDpi;
  return SnapDpi(horizontal);
}

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(std::string(what) + ": " + SDL_GetError()); }

// Windows services timers on its clock tick, 64 times a second, so a 10-ms timer fires about
// every 15.6 ms and timers due within one tick fire together. Waking on the same ticks keeps a
// window with a menu open (whose pointer polls run every 10 ms) from waking a hundred times a
// second.
constexpr DWORD kClockTickMs = 16;

// Milliseconds until the clock tick at or after the next timer's due time; -1 when no timer runs.
int MillisecondsToNextTimer() {
  bool any = false;
  const DWORD due = (userimpl::NextTimerDue(&any) + kClockTickMs - 1) / kClockTickMs * kClockTickMs;
  if (!any) return -1;
  const DWORD now = TheDesktop().Now();
  if (due <= now) return 0;
  const DWORD wait = due - now;
  return wait > static_cast<DWORD>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                     : static_cast<int>(wait);
}

}  // namespace

SdlDesktopWindow::Video::Video() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) Fail("SDL_Init");
  // Without a display SDL falls back to drivers that show nothing; a person would wait for
  // a window that never comes. Those drivers count only when asked for by name.
  const std::string_view driver = SDL_GetCurrentVideoDriver();
  if (std::getenv(kVideoDriverVariable) == nullptr &&
      std::find(kInvisibleDrivers.begin(), kInvisibleDrivers.end(), driver) != kInvisibleDrivers.end()) {
    SDL_Quit();
    throw std::runtime_error("no display to open a window on (set DISPLAY or WAYLAND_DISPLAY)");
  }
}

SdlDesktopWindow::Video::~Video() { SDL_Quit(); }

SdlDesktopWindow::SdlDesktopWindow(const SdlWindowOptions& options) {
  const int dpi = options.dpi == kMonitorDpi ? MonitorDpi() : options.dpi;
  m_Window.reset(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  options.width, options.height, SDL_WINDOW_SHOWN));
  if (!m_Window) Fail("SDL_CreateWindow");
  // The screen is drawn in software: the window's own surface shows it without a GPU
  // renderer, whose driver stack alone would take several times the control's memory.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_GetWindowSurface(m_Window.get()) == nullptr) Fail("SDL_GetWindowSurface");

  Desktop& desktop = TheDesktop();
  desktop.Reset(DesktopOptions{options.width, options.height, dpi});
  desktop.SetClock(std::make_unique<SteadyClock>());
  desktop.SetEventWait([this] { return WaitForEvents(); });
}

SdlDesktopWindow::~SdlDesktopWindow() { TheDesktop().SetEventWait(nullptr); }

void SdlDesktopWindow::Present(bool bWholeScreen) {
  const Surface& screen = TheDesktop().Screen();
  const RECT whole{0, 0, screen.width, screen.height};
  const RECT damage = TheDesktop().TakeScreenDamage();
  RECT changed = whole;
  if (!bWholeScreen && !IntersectRect(&changed, &damage, &whole)) return;
  const SDL_Rect area{changed.left, changed.top, changed.right - changed.left, changed.bottom - changed.top};
  SDL_Surface* target = SDL_GetWindowSurface(m_Window.get());
  // SDL reads the pixels only: the screen surface is wrapped, not copied.
  const std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> source(
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<COLORREF*>(screen.pixels.data()), screen.width, screen.height,
                                         kBitsPerPixel, screen.width * kBytesPerPixel, kScreenPixelFormat),
      SDL_FreeSurface);
  if (target == nullptr || !source) return;
  SDL_Rect copied = area;
  SDL_BlitSurface(source.get(), &area, target, &copied);
  SDL_UpdateWindowSurfaceRects(m_Window.get(), &area, 1);
}

// Called by the desktop's GetMessageA whenever no message is pending.
bool SdlDesktopWindow::WaitForEvents() {
  Present();
  const int timeout = MillisecondsToNextTimer();
  SDL_Event event;
  const bool got = timeout < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, timeout) != 0;
  if (got) {
    Dispatch(event);
    while (!m_NoMoreInput && SDL_PollEvent(&event)) Dispatch(event);
  }
  return !m_NoMoreInput;
}

void SdlDesktopWindow::Dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT: RequestClose(); break;
    case SDL_WINDOWEVENT: OnWindowEvent(event.window); break;
    case SDL_MOUSEMOTION: MovePointer(event.motion.x, event.motion.y); break;
    case SDL_MOUSEBUTTONDOWN: OnMouseButton(event.button, true); break;
    case SDL_MOUSEBUTTONUP: OnMouseButton(event.button, false); break;
    case SDL_KEYDOWN: OnKey(event.key, true); break;
    case SDL_KEYUP: OnKey(event.key, false); break;
    default: break;
  }
}

void SdlDesktopWindow::OnWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: RequestClose(); break;
    case SDL_WINDOWEVENT_EXPOSED:
      Present(true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      ReleaseHeldKeys();
      TheDesktop().SetApplicationActive(false);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: TheDesktop().SetApplicationActive(true); break;
    case SDL_WINDOWEVENT_ENTER: {
      // The pointer may come in without moving afterwards: the desktop must know where it is.
      int x = 0;
      int y = 0;
      SDL_GetMouseState(&x, &y);
      MovePointer(x, y);
      break;
    }
    case SDL_WINDOWEVENT_LEAVE:
      // Off the screen, as if it had gone over another application's window.
      if (SDL_GetMouseState(nullptr, nullptr) == 0) MovePointer(kOffScreen.x, kOffScreen.y);
      break;
    default: break;
  }
}

void SdlDesktopWindow::OnMouseButton(const SDL_MouseButtonEvent& event, bool down) {
  MouseButton button{};
  switch (event.button) {
    case SDL_BUTTON_LEFT: button = MouseButton::Left; break;
    case SDL_BUTTON_RIGHT: button = MouseButton::Right; break;
    case SDL_BUTTON_MIDDLE: button = MouseButton::Middle; break;
    default: return;
  }
  MovePointer(event.x, event.y);
  if (down) {
    TheDesktop().MouseDown(button);
  } else {
    TheDesktop().MouseUp(button);
  }
}

void SdlDesktopWindow::OnKey(const SDL_KeyboardEvent& event, bool down) {
  const int vk = VirtualKeyFromSdl(event.keysym.sym);
  if (vk == 0) return;
  if (down) {
    m_HeldKeys.insert(vk);
    TheDesktop().KeyDown(vk);
  } else if (m_HeldKeys.erase(vk) != 0) {
    TheDesktop().KeyUp(vk);
  }
}

void SdlDesktopWindow::MovePointer(int x, int y) {
  if (m_Pointer.x == x && m_Pointer.y == y) return;
  m_Pointer = POINT{x, y};
  TheDesktop().MouseMove(x, y);
}

// Keys held while the window loses the keyboard would otherwise stay down for ever.
void SdlDesktopWindow::ReleaseHeldKeys() {
  const std::set<int> held = std::move(m_HeldKeys);
  m_HeldKeys.clear();
  for (int vk : held) TheDesktop().KeyUp(vk);
}

void SdlDesktopWindow::RequestClose() {
  if (m_OnClose) {
    m_OnClose();
  } else {
    m_NoMoreInput = true;
  }
}

}  // namespace win32::sdl
