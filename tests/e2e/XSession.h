// Programs a test starts, and a private X server (Xvfb) for one test with the X tools that act
// on it as a user would: xdotool for the pointer and the keyboard, ImageMagick's import for
// screenshots.
#pragma once
#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "win32/surface.h"

// A program started with extra "NAME=value" environment entries and its standard output in
// `outputFile` (empty: inherited). The destructor ends it (SIGTERM, then SIGKILL).
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               const std::string& outputFile = {});
  ~ChildProcess() { Stop(std::chrono::seconds(5)); }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return m_Pid > 0; }
  // The exit status once the program has ended within `limit`; nothing if it still runs.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit);
  // Asks the program to end and waits for it; kills it (and answers nothing) when it does not end.
  std::optional<int> Stop(std::chrono::milliseconds limit);

 private:
  pid_t m_Pid = -1;
  std::optional<int> m_ExitStatus;
};

class XSession {
 public:
  // Whether Xvfb, xdotool and import are all installed.
  static bool ToolsAvailable();

  XSession(int width, int height);
  bool Ready() const { return m_Ready; }
  std::vector<std::string> Environment() const { return {"DISPLAY=" + m_Display}; }

  // Runs xdotool with `args`; its output, or nothing when it failed.
  std::optional<std::string> Xdotool(const std::vector<std::string>& args) const;
  // The whole screen, also kept as `path` to look at.
  std::optional<win32::Surface> Screenshot(const std::string& path) const;

 private:
  std::string m_Display;
  std::unique_ptr<ChildProcess> m_Server;
  bool m_Ready = false;
};
