// A program started for a test, with its standard output written to a file the test reads
// line by line. The destructor ends it (SIGTERM, then SIGKILL) if it is still running.
#pragma once
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

class ChildProcess {
 public:
  // Starts `argv` (argv[0] searched on PATH) with extra "NAME=value" environment entries;
  // standard output goes to `outputFile` (empty: inherited).
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               const std::string& outputFile = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return m_Pid > 0; }
  // The exit status once the program has ended within `limit`; nothing if it still runs.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit);
  // Asks the program to end (SIGTERM) and waits for it; kills it when it does not end.
  std::optional<int> Stop(std::chrono::milliseconds limit);

 private:
  pid_t m_Pid = -1;
  std::optional<int> m_ExitStatus;
};

// Runs a program to its end; its standard output, or nothing if it could not run or failed.
std::optional<std::string> RunAndRead(const std::vector<std::string>& argv, const std::vector<std::string>& environment);

// True when `program` is found on PATH.
bool OnPath(const std::string& program);
