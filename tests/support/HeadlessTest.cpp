#include "support/HeadlessTest.h"

#include "support/Pixels.h"

namespace mirel_test {

Sequence CountRows(const win32::LiveObjectCounts& counts) {
  static constexpr const char* kKinds[] = {"windows", "DCs",   "bitmaps", "fonts", "brushes", "pens",
                                           "image lists", "timers", "hooks", "themes"};
  Sequence rows;
  for (std::size_t k = 0; k < counts.counts.size(); ++k) rows.push_back(kKinds[k] + (" " + std::to_string(counts.counts[k])));
  return rows;
}

void HeadlessTest::SetUp() { ResetDesktop(win32::DesktopOptions{}); }

void HeadlessTest::ResetDesktop(const win32::DesktopOptions& options) {
  Desktop().Reset(options);
  RegisterTestWindowClass();
  countsAtStart_ = win32::SnapshotLiveObjects();
}

int HeadlessTest::CountScreenPixels(const RECT& area, COLORREF color) { return CountWindowPixels(nullptr, area, color); }

int HeadlessTest::CountWindowPixels(HWND hwnd, const RECT& area, COLORREF color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      count += (hwnd == nullptr ? ScreenPixel(x, y) : Desktop().WindowPixel(hwnd, x, y)) == color ? 1 : 0;
  return count;
}

std::string HeadlessTest::SaveScreen(const std::string& name) {
  const std::string path = OutputPng(name);
  return Desktop().SaveScreenPng(path) ? path : std::string();
}

std::string HeadlessTest::SaveWindow(HWND hwnd, const std::string& name) {
  const std::string path = OutputPng(name);
  return Desktop().SaveWindowPng(hwnd, path) ? path : std::string();
}

TestHandler PaintSolid(COLORREF color) {
  return [color](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    FillDC(hdc, client, color);
    EndPaint(hwnd, &ps);
    return 0;
  };
}

TestHandler PaintPattern(std::function<COLORREF(int x, int y)> pattern) {
  return [pattern](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_ERASEBKGND) return TRUE;
    if (message != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    for (int y = ps.rcPaint.top; y < ps.rcPaint.bottom; ++y)
      for (int x = ps.rcPaint.left; x < ps.rcPaint.right; ++x) SetPixelV(hdc, x, y, pattern(origin.x + x, origin.y + y));
    EndPaint(hwnd, &ps);
    return 0;
  };
}

}  // namespace mirel_test
