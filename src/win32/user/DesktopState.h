// The desktop's shared state, seen by every part of USER and by the backends.
#pragma once
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win32/HandleTable.h"
#include "win32/desktop.h"
#include "win32/user/WindowRecord.h"

namespace win32::userimpl {

inline constexpr int kKeyCount = 256;
inline constexpr std::uintptr_t kDesktopHandleValue = 0x10;
inline constexpr std::uintptr_t kFirstWindowHandleValue = 0x100;
inline constexpr std::uintptr_t kFirstHookHandleValue = 0x1000;
inline constexpr char kDesktopClassName[] = "#32769";
inline constexpr char kStaticClassName[] = "Static";

struct TimerRecord {
  HWND hwnd = nullptr;
  std::uintptr_t id = 0;
  UINT elapse = 0;
  DWORD due = 0;
  TIMERPROC proc = nullptr;
  bool posted = false;  // a WM_TIMER of this timer is waiting in the queue
};

struct HookRecord {
  HHOOK handle = nullptr;
  HOOKPROC proc = nullptr;
};

// Where the last button press went, to turn a second press into a double click.
struct ClickRecord {
  HWND hwnd = nullptr;
  UINT downMessage = 0;
  DWORD time = 0;
  POINT pt{};
};

class VirtualClock : public Clock {
 public:
  DWORD Now() const override { return now_; }
  void Set(DWORD now) { now_ = now; }

 private:
  DWORD now_ = 0;
};

struct DesktopState {
  std::map<std::string, ClassRecord> classes;  // keyed by lower-case name
  HandleTable<std::unique_ptr<WindowRecord>> windows;
  std::uintptr_t nextHandle = kFirstWindowHandleValue;

  std::deque<MSG> queue;
  bool quitPending = false;
  int quitCode = 0;
  DWORD messageTime = 0;

  std::vector<TimerRecord> timers;
  std::vector<HookRecord> hooks;  // newest first
  std::uintptr_t nextHook = kFirstHookHandleValue;

  POINT cursor{};
  std::array<bool, kKeyCount> keyDown{};
  std::array<bool, kKeyCount> keyToggled{};
  HWND capture = nullptr;
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND activeBeforeSwitch = nullptr;  // the active window when another application took over
  ClickRecord lastClick;
  std::deque<int> modalKeys;

  std::function<bool()> waitForEvents;  // a real backend blocks here; false: nothing will come
  std::unique_ptr<Clock> clock;
  VirtualClock* virtualClock = nullptr;  // set while the headless clock is in use

  COLORREF desktopColor = kDefaultDesktopColor;
  DWORD commDlgError = 0;
};

DesktopState& State();  // ready on first use with the default options
// Drops every window, timer and hook without sending messages and starts afresh.
void ResetState(const DesktopOptions& options);

HWND DesktopHandle();
WindowRecord* Find(HWND hwnd);  // nullptr for an unknown or destroyed handle
void EraseWindow(HWND hwnd);    // drops the record (the window is gone)
WindowRecord& DesktopRecord();
WindowRecord* TopLevelOf(WindowRecord* w);
POINT ScreenOrigin(const WindowRecord* w);     // client (0, 0) in screen pixels
POINT OriginInTopLevel(const WindowRecord* w);  // client (0, 0) in its top-level's surface
// The surface of top-level window w, made (white) on first use.
Surface& SurfaceOf(WindowRecord* w);
RECT ScreenRect(const WindowRecord* w);
// A window's rectangle in its parent from a position and size, held within the coordinate
// range GDI accepts so that sums of positions and sizes never overflow.
RECT PlacedRect(int x, int y, int cx, int cy);
bool IsReallyVisible(const WindowRecord* w);    // it and all its parents are visible
DWORD Now();

// Small rectangle helpers shared inside USER.
bool RectEmpty(const RECT& r);
RECT Intersect(const RECT& a, const RECT& b);
RECT Union(const RECT& a, const RECT& b);
RECT Offset(const RECT& r, int dx, int dy);
bool Contains(const RECT& r, POINT pt);

// A screen area changed: its windows are composited into the screen before anything next reads
// or draws on the screen (screen DCs draw on it directly).
void MarkScreenDirty(const RECT& screenRect);
void ComposeArea(const RECT& screenRect);  // the compositor, in the backend
bool UnobscuredOnScreen(const win32::Surface& surface, POINT& screenOrigin);

}  // namespace win32::userimpl
