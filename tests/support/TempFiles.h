// Scratch files for tests. CTest runs tests as parallel processes, so every name is made
// unique to the process that asks for it.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <string>

namespace mirel_test {

// A path in the system's temporary folder for `name`, private to this process.
inline std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("mirel_" + std::to_string(getpid()) + "_" + name)).string();
}

}  // namespace mirel_test
