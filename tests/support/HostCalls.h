// Host calls in order, each with what it returns ("ok" for nothing) or the error it raises
// (by name when it is one of the object model's, else "error <number>"), compared as one
// table printed in full on mismatch.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/Errors.h"
#include "support/MessageLog.h"

namespace mirel_test {

struct HostCall {
  std::string call;
  std::function<std::string()> run;
  std::string outcome;
};
inline const std::string kOk = "ok";
inline std::string B(bool b) { return b ? "true" : "false"; }
inline std::string N(long n) { return std::to_string(n); }

inline std::string Outcome(const std::function<std::string()>& run) {
  std::string result;
  const RaisedError raised = ErrorFrom([&] { result = run(); });
  if (raised == kNoError) return result;
  const std::pair<std::string, RaisedError> known[] = {
      {"HeaderMissing", kHeaderMissing},
      {"HeaderMissingOnLet", kHeaderMissingOnLet},
      {"SubscriptOutOfRange", kSubscriptOutOfRange},
      {"Overflow", kOverflow},
      {"InvalidTimerInterval", {static_cast<std::int32_t>(0x800461AE), "voxMirelMBar20.MirelMenuBar",
                                "Invalid timer interval. Value must be between 0 and 30000 milli-seconds."}},
  };
  for (const auto& [name, error] : known)
    if (raised == error) return name;
  for (const std::string source : {"cMenu", "cMenus", "cMenuItems"}) {
    if (raised == KeyInUse(source)) return "KeyInUse " + source;
    if (raised == TypeMismatch(source)) return "TypeMismatch " + source;
    if (raised == Unloaded(source)) return "Unloaded " + source;
  }
  return "error " + N(raised.number);
}

inline ::testing::AssertionResult SameOutcomes(const std::vector<HostCall>& calls) {
  Sequence expected;
  Sequence actual;
  for (const HostCall& c : calls) {
    expected.push_back(c.call + " -> " + c.outcome);
    actual.push_back(c.call + " -> " + Outcome(c.run));
  }
  return SameSequence(expected, actual);
}

}  // namespace mirel_test
