// Message tests in steps: each step is one thing a host or a user does; the messages the
// windows saw during it (optionally only some) and who holds activation, focus and capture
// afterwards are compared with the table, every step at once, printed in full on a mismatch.
#pragma once
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/HeadlessTest.h"

namespace mirel_test {

struct Step {
  std::string what;
  std::function<void()> act;
  Sequence expected;                   // the messages, notes, then Holders()
  std::vector<std::string> only = {};  // the message names kept; empty keeps every entry
};

inline std::string NameOf(HWND hwnd) {
  if (hwnd == nullptr) return "none";
  char caption[64] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  return caption;
}

// A line of the test's own in the step's entries, e.g. what a call returned.
inline void Note(const std::string& line) { MessageLog::Active()->Add("= " + line); }

inline std::string Holders() {
  return "active " + NameOf(GetActiveWindow()) + ", focus " + NameOf(GetFocus()) + ", capture " + NameOf(GetCapture());
}

inline ::testing::AssertionResult RunSteps(const std::vector<Step>& steps) {
  Sequence expected;
  Sequence actual;
  for (const Step& step : steps) {
    MessageLog log;
    step.act();
    Sequence seen = log.Entries();
    if (!step.only.empty()) {
      std::erase_if(seen, [&](const std::string& e) {
        const std::string name = e.substr(e.rfind(' ') + 1);
        return e.rfind("= ", 0) != 0 && std::find(step.only.begin(), step.only.end(), name) == step.only.end();
      });
    }
    seen.push_back(Holders());
    for (const std::string& e : step.expected) expected.push_back(step.what + ": " + e);
    for (const std::string& e : seen) actual.push_back(step.what + ": " + e);
  }
  return SameSequence(expected, actual);
}

}  // namespace mirel_test
