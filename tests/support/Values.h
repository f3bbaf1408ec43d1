// Several values as one line of text, so that a test checks them in one comparison and a
// failure shows them all.
#pragma once
#include <sstream>
#include <string>

namespace mirel_test {

template <typename... T>
std::string Values(const T&... values) {
  std::ostringstream out;
  ((out << values << ' '), ...);
  std::string text = out.str();
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace mirel_test
