// Scratch files for tests. CTest runs tests as parallel processes, so every name is made
// unique to the process that asks for it.
#pragma once
#include <string>

namespace mirel_test {

// A path in the system's temporary folder for `name`, private to this process.
std::string TempPath(const std::string& name);

}  // namespace mirel_test
