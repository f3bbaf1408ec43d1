// The one desktop of the process: screen size and DPI, the window tree, the message and
// timer queues, the input state and the clock. Tests and real-window backends drive it
// through the same injection API, which routes input the way Windows does.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win32/surface.h"
#include "win32/types.h"

namespace win32 {

// Where the desktop's time comes from. The headless clock only moves when told to.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DWORD Now() const = 0;
};

enum class MouseButton { Left, Right, Middle };

inline constexpr int kDefaultScreenWidth = 1024;
inline constexpr int kDefaultScreenHeight = 768;
inline constexpr int kDefaultDpi = 96;
inline constexpr COLORREF kDefaultDesktopColor = RGB(0x3A, 0x6E, 0xA5);

struct DesktopOptions {
  int width = kDefaultScreenWidth;
  int height = kDefaultScreenHeight;
  int dpi = kDefaultDpi;
};

class Desktop {
 public:
  Desktop();
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Destroys every window, timer and hook and starts afresh with the headless clock at 0.
  void Reset(const DesktopOptions& options = {});

  int ScreenWidth() const;
  int ScreenHeight() const;
  int Dpi() const;
  int TwipsPerPixel() const;  // 1440 / dpi
  void SetDesktopColor(COLORREF color);

  // Time. The headless clock moves only through AdvanceTime, which stops at each timer's due
  // time in order, lets it fire through the message queue and runs what it posted.
  DWORD Now() const;
  void AdvanceTime(DWORD ms);
  void SetClock(std::unique_ptr<Clock> clock);  // a backend's real clock
  // A real backend's wait for input, used by GetMessageA when nothing is pending; it returns
  // false when nothing more will come. Headless there is none and an idle GetMessageA answers
  // as if WM_QUIT had come.
  void SetEventWait(std::function<bool()> wait);

  // Runs every pending message, due timer and paint; returns when nothing is left.
  void DoEvents();

  // Input in screen pixels; each call routes its messages and runs them.
  void MouseMove(int x, int y);
  void MouseDown(MouseButton button);
  void MouseUp(MouseButton button);
  void Click(MouseButton button = MouseButton::Left);
  void DoubleClick(MouseButton button = MouseButton::Left);
  void KeyDown(int vk, int repeat = 1);
  void KeyUp(int vk);
  void KeyPress(int vk);  // down + up
  void TypeChar(char ch);  // the key strokes of one character, Shift included
  // Another application's window takes the activation (false) or gives it back (true): the
  // active window is deactivated, then reactivated, with the messages Windows sends.
  void SetApplicationActive(bool active);
  // Key presses kept for the next modal loop (the colour dialog), which feeds them one at a
  // time whenever it runs out of messages; a modal loop with none left cancels.
  void QueueModalKeys(const std::vector<int>& keys);

  // The composited screen, brought up to date with the windows whenever it is read.
  const Surface& Screen();
  // The screen area that changed since the last call (all of it after a reset), then forgets it.
  RECT TakeScreenDamage();
  COLORREF ScreenPixel(int x, int y);
  bool SaveScreenPng(const std::string& path);
  // One top-level window's own surface (a child window reads from its top-level).
  bool SaveWindowPng(HWND hwnd, const std::string& path);
  COLORREF WindowPixel(HWND hwnd, int x, int y);  // client coordinates
};

Desktop& TheDesktop();

}  // namespace win32
