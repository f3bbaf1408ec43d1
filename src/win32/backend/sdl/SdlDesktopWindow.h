// A real OS window (SDL2) that shows the desktop's composited screen and feeds the user's
// mouse and keyboard into the desktop's injection API. It gives the desktop a real clock
// and an event wait that sleeps until input arrives or the next timer is due, so an idle
// application uses no processor time. Only one may exist at a time: it owns the desktop.
#pragma once
#include <functional>
#include <memory>
#include <set>
#include <string>

#include <SDL.h>

#include "win32/desktop.h"

namespace win32::sdl {

inline constexpr int kDefaultWindowWidth = 1024;
inline constexpr int kDefaultWindowHeight = 700;
inline constexpr int kMonitorDpi = 0;  // follow the monitor

struct SdlWindowOptions {
  std::string title = "MirelMenuBar20";
  int width = kDefaultWindowWidth;
  int height = kDefaultWindowHeight;
  int dpi = kMonitorDpi;
};

class SdlDesktopWindow {
 public:
  // Opens the window and resets the desktop to its size and DPI; throws std::runtime_error
  // when SDL cannot open a window.
  explicit SdlDesktopWindow(const SdlWindowOptions& options);
  ~SdlDesktopWindow();
  SdlDesktopWindow(const SdlDesktopWindow&) = delete;
  SdlDesktopWindow& operator=(const SdlDesktopWindow&) = delete;

  // What closing the window does (typically: send WM_CLOSE to the host form). Without a
  // handler, closing makes the desktop's wait report that no more input will come.
  void SetCloseHandler(std::function<void()> onClose) { m_OnClose = std::move(onClose); }

 private:
  // Uploads what the desktop recorded as changed on its screen since it was last shown (or
  // the whole screen, when the OS lost the window's contents) and shows it.
  void Present(bool bWholeScreen = false);
  bool WaitForEvents();
  void Dispatch(const SDL_Event& event);
  void OnWindowEvent(const SDL_WindowEvent& event);
  void OnMouseButton(const SDL_MouseButtonEvent& event, bool down);
  void OnKey(const SDL_KeyboardEvent& event, bool down);
  void MovePointer(int x, int y);
  void ReleaseHeldKeys();
  void RequestClose();

  // SDL's video subsystem, started first and stopped last.
  struct Video {
    Video();
    ~Video();
    Video(const Video&) = delete;
    Video& operator=(const Video&) = delete;
  };
  Video m_Video;
  std::unique_ptr<SDL_Window, void (*)(SDL_Window*)> m_Window{nullptr, SDL_DestroyWindow};
  std::set<int> m_HeldKeys;
  POINT m_Pointer{-1, -1};
  bool m_NoMoreInput = false;
  std::function<void()> m_OnClose;
};

}  // namespace win32::sdl
