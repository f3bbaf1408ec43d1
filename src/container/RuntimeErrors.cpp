#include "container/RuntimeErrors.h"

#include <string>

#include "container/AutomationError.h"

namespace {
const char* Description(std::int32_t number) {
  using namespace runtime_error_number;
  switch (number) {
    case Overflow: return "Overflow";
    case SubscriptOutOfRange: return "Subscript out of range";
    case TypeMismatch: return "Type mismatch";
    case FileNotFound: return "File not found";
    case PathFileAccessError: return "Path/File access error";
    case InvalidUseOfNull: return "Invalid use of Null";
    case DataValueNotFound: return "Data value named not found";
    case InvalidPropertyValue: return "Invalid property value";
    case InvalidPicture: return "Invalid picture";
    default: return "Application-defined or object-defined error";
  }
}
}  // namespace

void RaiseRuntimeErrorFrom(std::int32_t number, std::string_view source) {
  throw AutomationError(number, std::string(source), Description(number));
}
