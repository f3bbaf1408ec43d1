// Plumbing shared by the side-by-side programs (ours and bench/peer_qt): the scenario sizes,
// a scenario timed in a fresh copy of the process (for "first in the process" costs), and
// the process's peak memory printed after the run for ./run bench to pick up.
#pragma once
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace side_by_side {

inline constexpr int kMenuCount = 8;
inline constexpr int kItemsPerMenu = 20;
inline constexpr int kWindowWidth = 1024;
inline constexpr int kWindowHeight = 768;
inline constexpr int kHoverFrom = 3;  // hover moves between the captions of menus 3 and 4
// Tool bands: three of twenty icon buttons, two on the first line and one on the second;
// the hover moves between tools 5 and 6 of the first band.
inline constexpr int kBandCount = 3;
inline constexpr int kToolsPerBand = 20;
inline constexpr int kHoverTool = 5;
// The cascading scenario: a menu whose first item opens a sub-menu of kItemsPerMenu items.
inline constexpr char kCascadeMenu[] = "Cascade";
inline constexpr char kFreshProcessFlag[] = "--fresh-process-scenario";

// Seconds one call of `work` takes.
inline double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times `scenario` in a new copy of this program each iteration, so that nothing it warms
// up survives from earlier iterations or scenarios.
inline void RunInFreshProcess(benchmark::State& state, const char* scenario) {
  for (auto _ : state) {
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
      state.SkipWithError("pipe failed");
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string self = "/proc/self/exe";
    std::string flag = kFreshProcessFlag;
    std::string name = scenario;
    std::array<char*, 4> argv{self.data(), flag.data(), name.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::array<char, 64> reply{};
    const ssize_t got = spawned == 0 ? read(pipeEnds[0], reply.data(), reply.size() - 1) : -1;
    close(pipeEnds[0]);
    int status = 0;
    if (spawned == 0) waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the fresh process failed");
      return;
    }
    state.SetIterationTime(std::strtod(reply.data(), nullptr));
  }
}

// The main of a side-by-side program: either the child of RunInFreshProcess (runs the named
// scenario once and prints its seconds) or the benchmark run, followed by the peak memory.
inline int Main(int argc, char** argv, const std::function<double(const std::string&)>& freshScenario) {
  if (argc == 3 && std::strcmp(argv[1], kFreshProcessFlag) == 0) {
    std::printf("%.9f\n", freshScenario(argv[2]));
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak_memory_kb,%ld\n", usage.ru_maxrss);
  return 0;
}

}  // namespace side_by_side
