#include "ChildProcess.h"

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

extern char** environ;

namespace {

constexpr std::chrono::milliseconds kPollStep{20};
constexpr int kFailedExit = 127;

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            const std::string& outputFile) {
  std::vector<std::string> args = argv;
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  env.insert(env.end(), environment.begin(), environment.end());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!outputFile.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  pid_t pid = -1;
  const int failed = posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, Pointers(args).data(), Pointers(env).data());
  posix_spawn_file_actions_destroy(&actions);
  return failed == 0 ? pid : -1;
}

int StatusOf(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : kFailedExit; }

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const std::string& outputFile)
    : m_Pid(Spawn(argv, environment, outputFile)) {}

ChildProcess::~ChildProcess() { Stop(std::chrono::seconds(5)); }

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
  if (m_Pid <= 0 || m_ExitStatus) return m_ExitStatus;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    int raw = 0;
    if (waitpid(m_Pid, &raw, WNOHANG) == m_Pid) {
      m_ExitStatus = StatusOf(raw);
      return m_ExitStatus;
    }
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(kPollStep);
  }
}

std::optional<int> ChildProcess::Stop(std::chrono::milliseconds limit) {
  if (m_Pid <= 0 || m_ExitStatus) return m_ExitStatus;
  kill(m_Pid, SIGTERM);
  if (WaitForExit(limit)) return m_ExitStatus;
  kill(m_Pid, SIGKILL);
  int raw = 0;
  waitpid(m_Pid, &raw, 0);
  m_ExitStatus = StatusOf(raw);
  return std::nullopt;  // it had to be killed
}

std::optional<std::string> RunAndRead(const std::vector<std::string>& argv,
                                      const std::vector<std::string>& environment) {
  const std::string file = std::filesystem::temp_directory_path() / ("mirel-e2e-" + std::to_string(getpid()) + ".out");
  std::optional<int> status;
  {
    ChildProcess child(argv, environment, file);
    if (!child.Started()) return std::nullopt;
    status = child.WaitForExit(std::chrono::seconds(30));
  }
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  std::filesystem::remove(file);
  if (!status || *status != 0) return std::nullopt;
  return text.str();
}

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  std::stringstream dirs(path);
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (!dir.empty() && access((std::filesystem::path(dir) / program).c_str(), X_OK) == 0) return true;
  }
  return false;
}
