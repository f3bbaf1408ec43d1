// Message-sequence recording for tests: a test window class whose procedure writes every
// message to the active log as "<window caption> <message name>", so tests compare the
// order in which windows saw things as tables, printed in full when they differ.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win32/windows.h"

namespace mirel_test {

using Sequence = std::vector<std::string>;

// "WM_CREATE", "WM_KEYDOWN", ... or the number in hex for messages without a name here.
std::string MessageName(UINT message);

class MessageLog {
 public:
  MessageLog();  // becomes the active log
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  void Record(HWND hwnd, UINT message);
  void Add(std::string entry);  // a line of the test's own (e.g. "hook VK_F")
  const Sequence& Entries() const { return entries_; }
  // Only the entries whose message part is one of the given names.
  Sequence Only(const std::vector<std::string>& names) const;
  void Clear() { entries_.clear(); }

  static MessageLog* Active();

 private:
  Sequence entries_;
  MessageLog* previous_ = nullptr;
};

// Compares two sequences; on a difference both are printed in full, one entry a line.
::testing::AssertionResult SameSequence(const Sequence& expected, const Sequence& actual);

// A window's own answer to a message; std::nullopt lets the default procedure answer.
using TestHandler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

inline constexpr char kTestWindowClass[] = "MirelTestWindow";
inline constexpr DWORD kTestPopupStyle = WS_POPUP | WS_VISIBLE;
inline constexpr DWORD kTestChildStyle = WS_CHILD | WS_VISIBLE;

// Registers the test class (double clicks, white background) on the current desktop.
void RegisterTestWindowClass();
// A window of the test class whose log name is `caption`.
HWND CreateTestWindow(const char* caption, const RECT& rect, DWORD style = kTestPopupStyle,
                      DWORD exStyle = 0, HWND parent = nullptr);
// Installs a per-window handler that runs before the default procedure; nullptr removes it.
void SetTestHandler(HWND hwnd, TestHandler handler);
// The test window procedure: records, then asks the window's handler, then DefWindowProcA.
LRESULT TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace mirel_test
