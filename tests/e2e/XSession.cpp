#include "XSession.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "win32/png_io.h"

namespace {

constexpr int kFirstDisplay = 70;
constexpr int kDisplayCount = 30;
constexpr int kColourDepth = 24;
constexpr std::chrono::milliseconds kServerStartLimit{10000};
constexpr std::chrono::milliseconds kPollStep{50};

bool DisplayInUse(int number) {
  return std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock") ||
         std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number));
}

}  // namespace

bool XSession::ToolsAvailable() { return OnPath("Xvfb") && OnPath("xdotool") && OnPath("import"); }

XSession::XSession(int width, int height) {
  for (int number = kFirstDisplay; number < kFirstDisplay + kDisplayCount && !m_Ready; ++number) {
    if (DisplayInUse(number)) continue;
    m_Display = ":" + std::to_string(number);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(kColourDepth);
    m_Server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", m_Display, "-screen", "0", screen, "-nolisten", "tcp"},
        std::vector<std::string>{}, "/dev/null");
    const auto deadline = std::chrono::steady_clock::now() + kServerStartLimit;
    while (!m_Ready && std::chrono::steady_clock::now() < deadline) {
      if (m_Server->WaitForExit(kPollStep)) break;  // lost the race for this display
      m_Ready = Xdotool({"getdisplaygeometry"}).has_value();
    }
  }
}

std::optional<std::string> XSession::Xdotool(const std::vector<std::string>& args) const {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunAndRead(argv, Environment());
}

void XSession::MoveTo(int x, int y) const { Xdotool({"mousemove", std::to_string(x), std::to_string(y)}); }

void XSession::Click(int button) const { Xdotool({"click", std::to_string(button)}); }

void XSession::ButtonDown(int button) const { Xdotool({"mousedown", std::to_string(button)}); }

void XSession::ButtonUp(int button) const { Xdotool({"mouseup", std::to_string(button)}); }

void XSession::Keys(const std::vector<std::string>& keys) const {
  std::vector<std::string> args{"key"};
  args.insert(args.end(), keys.begin(), keys.end());
  Xdotool(args);
}

std::optional<win32::Surface> XSession::Screenshot(const std::string& path) const {
  if (!RunAndRead({"import", "-window", "root", path}, Environment())) return std::nullopt;
  win32::Surface image;
  if (!win32::ReadPng(path, image)) return std::nullopt;
  return image;
}
