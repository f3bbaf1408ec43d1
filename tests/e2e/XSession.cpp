#include "XSession.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "win32/png_io.h"

extern char** environ;

namespace {

constexpr std::chrono::milliseconds kPollStep{20}, kServerStartLimit{10000};
constexpr int kFailedExit = 127;
constexpr int kFirstDisplay = 70, kDisplayCount = 30;

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

int StatusOf(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : kFailedExit; }

// Runs a program to its end; its standard output, or nothing if it could not run or failed.
std::optional<std::string> RunAndRead(const std::vector<std::string>& argv, const std::vector<std::string>& environment) {
  const std::string file = std::filesystem::temp_directory_path() / ("mirel-e2e-" + std::to_string(getpid()) + ".out");
  std::optional<int> status;
  {
    ChildProcess child(argv, environment, file);
    if (!child.Started()) return std::nullopt;
    status = child.WaitForExit(std::chrono::seconds(30));
  }
  std::stringstream text;
  text << std::ifstream(file).rdbuf();
  std::filesystem::remove(file);
  return status == 0 ? std::optional(text.str()) : std::nullopt;
}

bool OnPath(const std::string& program) { return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0; }

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const std::string& outputFile) {
  std::vector<std::string> args = argv;
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  env.insert(env.end(), environment.begin(), environment.end());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!outputFile.empty())
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (posix_spawnp(&m_Pid, args[0].c_str(), &actions, nullptr, Pointers(args).data(), Pointers(env).data()) != 0)
    m_Pid = -1;
  posix_spawn_file_actions_destroy(&actions);
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
  if (m_Pid <= 0 || m_ExitStatus) return m_ExitStatus;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int raw = 0;
  while (waitpid(m_Pid, &raw, WNOHANG) != m_Pid) {
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(kPollStep);
  }
  m_ExitStatus = StatusOf(raw);
  return m_ExitStatus;
}

std::optional<int> ChildProcess::Stop(std::chrono::milliseconds limit) {
  if (m_Pid <= 0 || m_ExitStatus) return m_ExitStatus;
  kill(m_Pid, SIGTERM);
  if (WaitForExit(limit)) return m_ExitStatus;
  kill(m_Pid, SIGKILL);
  int raw = 0;
  waitpid(m_Pid, &raw, 0);
  m_ExitStatus = StatusOf(raw);
  return std::nullopt;
}

bool XSession::ToolsAvailable() { return OnPath("Xvfb") && OnPath("xdotool") && OnPath("import"); }

XSession::XSession(int width, int height) {
  for (int number = kFirstDisplay; number < kFirstDisplay + kDisplayCount && !m_Ready; ++number) {
    if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock") ||
        std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number)))
      continue;  // in use
    m_Display = ":" + std::to_string(number);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
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

std::optional<win32::Surface> XSession::Screenshot(const std::string& path) const {
  if (!RunAndRead({"import", "-window", "root", path}, Environment())) return std::nullopt;
  win32::Surface image;
  if (!win32::ReadPng(path, image)) return std::nullopt;
  return image;
}
