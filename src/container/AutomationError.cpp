#include "container/AutomationError.h"

namespace {
const char* RuntimeDescription(std::int32_t number) {
  switch (number) {
    case runtime_error_number::Overflow: return "Overflow";
    case runtime_error_number::SubscriptOutOfRange: return "Subscript out of range";
    case runtime_error_number::TypeMismatch: return "Type mismatch";
    default: return "Application-defined or object-defined error";
  }
}
}  // namespace

void RaiseRuntimeError(std::int32_t number) {
  throw AutomationError(number, "VBRuntime", RuntimeDescription(number));
}
