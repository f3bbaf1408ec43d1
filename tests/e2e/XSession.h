// A private X server (Xvfb) for one test, and the X tools that act on it as a user would:
// xdotool for the pointer and the keyboard, ImageMagick's import for screenshots.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "win32/surface.h"

class XSession {
 public:
  // Whether Xvfb, xdotool and import are all installed.
  static bool ToolsAvailable();

  XSession(int width, int height);
  bool Ready() const { return m_Ready; }
  std::vector<std::string> Environment() const { return {"DISPLAY=" + m_Display}; }

  // Runs xdotool with `args`; its output, or nothing when it failed.
  std::optional<std::string> Xdotool(const std::vector<std::string>& args) const;
  void MoveTo(int x, int y) const;
  void Click(int button) const;
  // One button held down, and released (a drag between them).
  void ButtonDown(int button) const;
  void ButtonUp(int button) const;
  void Keys(const std::vector<std::string>& keys) const;
  // The whole screen, also kept as `path` to look at.
  std::optional<win32::Surface> Screenshot(const std::string& path) const;

 private:
  std::string m_Display;
  std::unique_ptr<ChildProcess> m_Server;
  bool m_Ready = false;
};
