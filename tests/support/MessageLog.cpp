#include "support/MessageLog.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace mirel_test {

namespace {

MessageLog* activeLog = nullptr;
std::map<HWND, TestHandler> handlers;

#define M(message) std::pair<UINT, const char*>{message, #message}
constexpr std::pair<UINT, const char*> kMessageNames[] = {
    M(WM_CREATE), M(WM_DESTROY), M(WM_MOVE), M(WM_SIZE), M(WM_ACTIVATE), M(WM_SETFOCUS), M(WM_KILLFOCUS),
    M(WM_ENABLE), M(WM_SETTEXT), M(WM_GETTEXT), M(WM_GETTEXTLENGTH), M(WM_PAINT), M(WM_CLOSE), M(WM_QUIT),
    M(WM_ERASEBKGND), M(WM_SHOWWINDOW), M(WM_ACTIVATEAPP), M(WM_MOUSEACTIVATE), M(WM_GETMINMAXINFO),
    M(WM_WINDOWPOSCHANGING), M(WM_WINDOWPOSCHANGED), M(WM_NCCREATE), M(WM_NCDESTROY), M(WM_NCACTIVATE), M(WM_KEYDOWN),
    M(WM_KEYUP), M(WM_CHAR), M(WM_SYSKEYDOWN), M(WM_SYSKEYUP), M(WM_SYSCHAR), M(WM_COMMAND), M(WM_TIMER),
    M(WM_MOUSEMOVE), M(WM_LBUTTONDOWN), M(WM_LBUTTONUP), M(WM_LBUTTONDBLCLK), M(WM_RBUTTONDOWN), M(WM_RBUTTONUP),
    M(WM_RBUTTONDBLCLK), M(WM_MBUTTONDOWN), M(WM_MBUTTONUP), M(WM_CAPTURECHANGED), M(WM_USER),
};
#undef M

std::string WindowName(HWND hwnd) {
  char caption[64] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  return caption;
}

std::string MessagePart(const std::string& entry) {
  const auto space = entry.rfind(' ');
  return space == std::string::npos ? entry : entry.substr(space + 1);
}

}  // namespace

std::string MessageName(UINT message) {
  for (const auto& [number, name] : kMessageNames)
    if (number == message) return name;
  std::ostringstream out;
  out << "0x" << std::hex << message;
  return out.str();
}

MessageLog::MessageLog() : previous_(activeLog) { activeLog = this; }
MessageLog::~MessageLog() { activeLog = previous_; }
MessageLog* MessageLog::Active() { return activeLog; }

void MessageLog::Record(HWND hwnd, UINT message) { entries_.push_back(WindowName(hwnd) + " " + MessageName(message)); }

void MessageLog::Add(std::string entry) { entries_.push_back(std::move(entry)); }

Sequence MessageLog::Only(const std::vector<std::string>& names) const {
  Sequence kept;
  std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(kept), [&](const std::string& e) {
    return std::find(names.begin(), names.end(), MessagePart(e)) != names.end();
  });
  return kept;
}

::testing::AssertionResult SameSequence(const Sequence& expected, const Sequence& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  std::ostringstream out;
  const std::size_t rows = std::max(expected.size(), actual.size());
  out << "sequences differ\n  #  expected                            actual\n";
  for (std::size_t i = 0; i < rows; ++i) {
    const std::string e = i < expected.size() ? expected[i] : "";
    const std::string a = i < actual.size() ? actual[i] : "";
    out << (e == a ? "   " : " * ") << i << "  " << e << std::string(e.size() < 36 ? 36 - e.size() : 1, ' ') << a << "\n";
  }
  return ::testing::AssertionFailure() << out.str();
}

LRESULT TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MessageLog* log = MessageLog::Active()) log->Record(hwnd, message);
  std::optional<LRESULT> answer;
  if (auto it = handlers.find(hwnd); it != handlers.end()) {
    const TestHandler handler = it->second;  // the handler may replace itself
    answer = handler(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) handlers.erase(hwnd);
  return answer ? *answer : DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterTestWindowClass() {
  handlers.clear();
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS, wc.lpfnWndProc = TestWindowProc, wc.lpszClassName = kTestWindowClass;
  wc.hbrBackground = GetStockObject(WHITE_BRUSH);
  RegisterClassA(&wc);
}

HWND CreateTestWindow(const char* caption, const RECT& rect, DWORD style, DWORD exStyle, HWND parent) {
  return CreateWindowExA(exStyle, kTestWindowClass, caption, style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
}

void SetTestHandler(HWND hwnd, TestHandler handler) {
  if (handler) handlers[hwnd] = std::move(handler);
  else handlers.erase(hwnd);
}

}  // namespace mirel_test
