#include "RecordingWindows.h"

#include <algorithm>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "win32/desktop.h"

namespace platform_test {
namespace {

constexpr char kClassName[] = "RecordingWindow";
constexpr int kNameBufferSize = 64;

std::string WindowName(HWND hWnd) {
  char name[kNameBufferSize] = {};
  GetWindowTextA(hWnd, name, kNameBufferSize);
  return name;
}

LRESULT RecordingProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  TheLog().push_back(WindowName(hWnd) + " " + MessageName(iMsg));
  return DefWindowProcA(hWnd, iMsg, wParam, lParam);
}

std::string Table(const Log& log) {
  std::ostringstream out;
  for (size_t i = 0; i < log.size(); ++i) out << "  " << i + 1 << ". " << log[i] << "\n";
  return out.str();
}

}  // namespace

Log& TheLog() {
  static Log log;
  return log;
}

void ResetDesktop() {
  win32::TheDesktop().Reset();
  WNDCLASSA wc{};
  wc.lpfnWndProc = &RecordingProc;
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  TheLog().clear();
}

HWND CreateRecordingWindow(const char* name, int x, int y, int width, int height) {
  return CreateWindowExA(0, kClassName, name, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height, nullptr,
                         nullptr, nullptr, nullptr);
}

HWND CreateRecordingChild(const char* name, HWND parent, int x, int y, int width, int height) {
  return CreateWindowExA(0, kClassName, name, WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr, nullptr,
                         nullptr);
}

std::string MessageName(UINT iMsg) {
  static const std::map<UINT, std::string> names = {
      {WM_DESTROY, "WM_DESTROY"},
      {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
      {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
      {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
      {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
      {WM_NCDESTROY, "WM_NCDESTROY"},
      {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"},
      {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
      {WM_SYSKEYUP, "WM_SYSKEYUP"},
      {WM_CHAR, "WM_CHAR"},
      {WM_TIMER, "WM_TIMER"},
      {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
      {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
      {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"},
      {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
      {WM_USER, "WM_USER"},
  };
  auto name = names.find(iMsg);
  return name != names.end() ? name->second : std::to_string(iMsg);
}

Log Only(const Log& log, const std::vector<std::string>& messageNames) {
  Log filtered;
  std::copy_if(log.begin(), log.end(), std::back_inserter(filtered), [&](const std::string& entry) {
    const std::string message = entry.substr(entry.rfind(' ') + 1);
    return std::find(messageNames.begin(), messageNames.end(), message) != messageNames.end();
  });
  return filtered;
}

void ExpectSequence(const Log& expected, const Log& actual) {
  EXPECT_TRUE(expected == actual) << "expected:\n" << Table(expected) << "actual:\n" << Table(actual);
}

}  // namespace platform_test
