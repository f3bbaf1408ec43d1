#include "support/TempFiles.h"

#include <unistd.h>

#include <filesystem>

namespace mirel_test {

std::string TempPath(const std::string& name) {
  const std::string unique = "mirel_" + std::to_string(getpid()) + "_" + name;
  return (std::filesystem::temp_directory_path() / unique).string();
}

}  // namespace mirel_test
