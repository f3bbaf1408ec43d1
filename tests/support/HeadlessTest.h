// The base fixture of behaviour tests: a fresh headless desktop per test (1024 x 768 at
// 96 dpi unless the test resets it otherwise), the test window class, live-object counters
// and pixel helpers.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "support/MessageLog.h"
#include "win32/desktop.h"
#include "win32/objcount.h"
#include "win32/windows.h"

namespace mirel_test {

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Starts again on a desktop of another size or resolution.
  void ResetDesktop(const win32::DesktopOptions& options);
  win32::Desktop& Desktop() { return win32::TheDesktop(); }

  COLORREF ScreenPixel(int x, int y) { return Desktop().ScreenPixel(x, y); }
  // Pixels of `color` inside a screen rectangle, or a client rectangle of one window.
  int CountScreenPixels(const RECT& area, COLORREF color);
  int CountWindowPixels(HWND hwnd, const RECT& area, COLORREF color);
  // Writes the screen (or one window) to "<build dir>/test-output/<name>.png"; returns the path.
  std::string SaveScreen(const std::string& name);
  std::string SaveWindow(HWND hwnd, const std::string& name);

  // The counters when the test started, to prove that nothing leaked.
  win32::LiveObjectCounts countsAtStart_;
};

// "<kind> <count>" for each live-object counter, so that two snapshots compare as a table.
Sequence CountRows(const win32::LiveObjectCounts& counts);

// A handler that fills the client area with one colour on WM_PAINT.
TestHandler PaintSolid(COLORREF color);
// A handler that paints each pixel in the colour `pattern` gives its screen position, leaving
// no background erase to flicker through.
TestHandler PaintPattern(std::function<COLORREF(int x, int y)> pattern);
// Checker cells of 3 x 3 pixels in two colours by screen position: a backdrop for PaintPattern
// under which every blended pixel shows.
inline COLORREF Checker(int x, int y) { return (x / 3 + y / 3) % 2 == 0 ? RGB(250, 200, 60) : RGB(40, 120, 200); }

}  // namespace mirel_test
