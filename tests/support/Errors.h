// The automation error a call raises, as a host sees it: number, source and description.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "container/AutomationError.h"

namespace mirel_test {

struct RaisedError {
  std::int32_t number = 0;  // 0 when the call raised nothing
  std::string source;
  std::string description;
};

inline RaisedError ErrorFrom(const std::function<void()>& call) {
  try {
    call();
  } catch (const AutomationError& e) {
    return {e.Number(), e.Source(), e.Description()};
  }
  return {};
}

inline std::int32_t ErrorOf(const std::function<void()>& call) { return ErrorFrom(call).number; }

}  // namespace mirel_test
