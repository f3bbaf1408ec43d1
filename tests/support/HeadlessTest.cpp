#include "support/HeadlessTest.h"

#include <filesystem>

namespace mirel_test {

namespace {
constexpr char kOutputFolder[] = "test-output";
}

Sequence CountRows(const win32::LiveObjectCounts& counts) {
  static constexpr const char* kKinds[] = {"windows", "DCs",         "bitmaps", "fonts", "brushes", "pens",
                                           "regions", "image lists", "timers",  "hooks", "themes"};
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

int HeadlessTest::CountScreenPixels(const RECT& area, COLORREF color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += ScreenPixel(x, y) == color ? 1 : 0;
  }
  return count;
}

int HeadlessTest::CountWindowPixels(HWND hwnd, const RECT& area, COLORREF color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += Desktop().WindowPixel(hwnd, x, y) == color ? 1 : 0;
  }
  return count;
}

std::string HeadlessTest::SaveScreen(const std::string& name) {
  std::filesystem::create_directories(kOutputFolder);
  const std::string path = std::string(kOutputFolder) + "/" + name + ".png";
  return Desktop().SaveScreenPng(path) ? path : std::string();
}

std::string HeadlessTest::SaveWindow(HWND hwnd, const std::string& name) {
  std::filesystem::create_directories(kOutputFolder);
  const std::string path = std::string(kOutputFolder) + "/" + name + ".png";
  return Desktop().SaveWindowPng(hwnd, path) ? path : std::string();
}

TestHandler PaintSolid(COLORREF color) {
  return [color](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  };
}

}  // namespace mirel_test
