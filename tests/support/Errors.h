// The automation error a call raises, as a host sees it: number, source and description,
// compared whole and printed whole on mismatch.
#pragma once
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "container/AutomationError.h"
#include "support/MessageLog.h"

namespace mirel_test {

struct RaisedError {
  std::int32_t number = 0;  // 0 when the call raised nothing
  std::string source;
  std::string description;
  bool operator==(const RaisedError&) const = default;
};

inline void PrintTo(const RaisedError& e, std::ostream* out) {
  *out << "{" << e.number << ", \"" << e.source << "\", \"" << e.description << "\"}";
}

inline RaisedError ErrorFrom(const std::function<void()>& call) {
  try {
    call();
    return {};
  } catch (const AutomationError& e) {
    return {e.Number(), e.Source(), e.Description()};
  }
}

inline std::int32_t ErrorOf(const std::function<void()>& call) { return ErrorFrom(call).number; }

// A call and the error it must raise, for error tables.
struct ErrorRow {
  std::string what;
  std::function<void()> call;
  RaisedError error;
};
// Runs every row's call; the errors raised against those expected, as one table printed in full.
inline ::testing::AssertionResult SameErrors(const std::vector<ErrorRow>& rows) {
  const auto text = [](const std::string& what, const RaisedError& e) {
    return what + ": " + std::to_string(e.number) + " " + e.source + " " + e.description;
  };
  Sequence expected, actual;
  for (const ErrorRow& row : rows) {
    expected.push_back(text(row.what, row.error));
    actual.push_back(text(row.what, ErrorFrom(row.call)));
  }
  return SameSequence(expected, actual);
}

// The errors the object model raises, as the host sees them.
inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
inline const RaisedError kNoError{};
inline const RaisedError kSubscriptOutOfRange{9, "VBRuntime", "Subscript out of range"};
inline const RaisedError kOverflow{6, "VBRuntime", "Overflow"};
inline const RaisedError kHeaderMissing{kObjectErrorBase + 25003, "voxMirelMBar20.MirelMenuBar20",
                                        "Header does not exist."};
inline const RaisedError kHeaderMissingOnLet{kObjectErrorBase + 25003, "voxMirelMBar20.MirelMenuBar",
                                             "Header does not exist."};
inline RaisedError TypeMismatch(const std::string& source) { return {13, "voxMirelMBar20." + source, "Type Mismatch."}; }
inline RaisedError KeyInUse(const std::string& collection) {
  return {457, "voxMirelMBar20." + collection, "This key is already associated with an element of this collection."};
}
inline RaisedError Unloaded(const std::string& of) { return {364, "voxMirelMBar20." + of, "Object has been unloaded."}; }

}  // namespace mirel_test
