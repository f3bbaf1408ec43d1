// What reaches the screen: top-level windows composited by z-order over the desktop colour,
// children clipped to their parents, direct screen drawing kept until something covers it.

#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

constexpr COLORREF kRed = RGB(0xD0, 0x20, 0x20);
constexpr COLORREF kBlue = RGB(0x20, 0x40, 0xD0);
constexpr COLORREF kGreen = RGB(0x20, 0xA0, 0x40);
constexpr RECT kBackRect{20, 20, 180, 140};
constexpr RECT kFrontRect{100, 80, 260, 200};

class Compositing : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ResetDesktop(win32::DesktopOptions{320, 240, win32::kDefaultDpi});
  }
  HWND Solid(const char* name, const RECT& rect, COLORREF color, DWORD style = kTestPopupStyle, HWND parent = nullptr) {
    HWND hwnd = CreateTestWindow(name, rect, style, 0, parent);
    SetTestHandler(hwnd, PaintSolid(color));
    UpdateWindow(hwnd);
    return hwnd;
  }
};

// The desktop, the back window, the front window over it, its child, the front window's far
// corner and the desktop again; raised, the back window covers the front; hidden, it shows
// the desktop and the front window again. A child overhanging its parent is cut at its edge.
TEST_F(Compositing, OverlappingWindowsShowInZOrderOverTheDesktopAndChildrenInsideTheirParents) {
  HWND back = Solid("back", kBackRect, kRed);
  HWND front = Solid("front", kFrontRect, kBlue);
  Solid("child", RECT{10, 10, 40, 30}, kGreen, kTestChildStyle, front);
  EXPECT_FALSE(SaveScreen("two_overlapping_windows").empty());
  constexpr COLORREF kDesktop = win32::kDefaultDesktopColor;
  EXPECT_EQ(Values(ScreenPixel(5, 5), ScreenPixel(30, 30), ScreenPixel(150, 100), ScreenPixel(250, 190), ScreenPixel(115, 95),
                   ScreenPixel(300, 220)),
            Values(kDesktop, kRed, kBlue, kBlue, kGreen, kDesktop));
  EXPECT_EQ(CountScreenPixels(kFrontRect, kBlue), 160 * 120 - 30 * 20);

  SetWindowPos(back, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(ScreenPixel(150, 100), kRed);
  ShowWindow(back, SW_HIDE);
  EXPECT_EQ(Values(ScreenPixel(30, 30), ScreenPixel(150, 100)), Values(kDesktop, kBlue));

  Solid("overhanging", RECT{140, 100, 220, 160}, kGreen, kTestChildStyle, front);
  EXPECT_EQ(Values(ScreenPixel(kFrontRect.left + 150, kFrontRect.top + 110), ScreenPixel(kFrontRect.right + 5, kFrontRect.top + 110),
                   Desktop().WindowPixel(front, 90, 10)),
            Values(kGreen, kDesktop, kBlue));
}

// The real window uploads only what the desktop records as changed: composited areas and
// drawing on the screen itself, each reported once. Drawing on the screen stays through the
// window's repaints until a window covers it.
TEST_F(Compositing, DirectScreenDrawingStaysUntilCoveredAndDamageIsWhatChanged) {
  auto taken = [this] { return RectText(Desktop().TakeScreenDamage()); };
  EXPECT_EQ(Values(taken(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), "0,0-320,240 320 240");
  EXPECT_EQ(taken(), "0,0-0,0");
  HWND back = Solid("back", kBackRect, kRed);
  EXPECT_EQ(taken(), RectText(kBackRect));
  HDC hdc = GetDC(back);
  SetPixelV(hdc, 3, 4, kBlack);
  ReleaseDC(back, hdc);
  EXPECT_EQ(taken(), "23,24-24,25");
  HDC screen = GetDC(nullptr);
  SetPixel(screen, 5, 5, kBlack);  // a shadow pixel beside the window
  EXPECT_EQ(GetPixel(screen, 30, 30), kRed);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(taken(), "5,5-6,6");
  InvalidateRect(back, nullptr, TRUE);
  UpdateWindow(back);
  EXPECT_EQ(ScreenPixel(5, 5), kBlack);
  MoveWindow(back, 0, 0, 50, 50, TRUE);
  UpdateWindow(back);
  MoveWindow(back, 100, 100, 50, 50, TRUE);
  EXPECT_EQ(ScreenPixel(5, 5), win32::kDefaultDesktopColor);
}

// A large fill on a shown window nothing covers goes to the screen as it is drawn: the
// screen shows it and nothing is left to composite (the pixels written are the window's and
// the screen's, once each). Under another window, or on a window just shown (which the
// compositor copies anyway), the fill waits for the compositor.
TEST_F(Compositing, LargeFillsOnAnUncoveredWindowReachTheScreenAtOnce) {
  constexpr RECT kLarge{0, 0, 300, 230};
  constexpr std::uint64_t kArea = 300 * 230;
  HWND large = Solid("large", kLarge, kRed);
  const auto fill = [&](COLORREF colour) {
    Desktop().TakeScreenDamage();
    const std::uint64_t before = win32::PixelsWritten();
    HDC hdc = GetDC(large);
    FillDC(hdc, kLarge, colour);
    ReleaseDC(large, hdc);
    const bool composited = win32::TheDisplay().stale.empty();
    const COLORREF shown = ScreenPixel(150, 10);  // reading the screen composites what is stale
    return Values(composited ? "on screen" : "to composite", ColourText(shown), win32::PixelsWritten() - before,
                  RectText(Desktop().TakeScreenDamage()));
  };
  EXPECT_EQ(fill(kBlue), Values("on screen", ColourText(kBlue), 2 * kArea, RectText(kLarge)));

  // Covered: the window's pixels, then the compositor's copy of it and of the window over it.
  HWND front = Solid("front", RECT{200, 100, 260, 160}, kGreen);
  EXPECT_EQ(fill(kRed), Values("to composite", ColourText(kRed), 2 * kArea + 60 * 60, RectText(kLarge)));
  EXPECT_EQ(Values(ScreenPixel(230, 130), ScreenPixel(10, 10)), Values(kGreen, kRed));
  DestroyWindow(front);
  DestroyWindow(large);

  // Through a child of a window reaching past the screen's left edge: the fill lands where the
  // compositor would put it, clipped to the child.
  HWND wide = Solid("wide", RECT{-60, 20, 300, 230}, kRed);
  HWND child = Solid("child", RECT{70, 10, 350, 200}, kGreen, kTestChildStyle, wide);
  Desktop().TakeScreenDamage();
  HDC hdc = GetDC(child);
  FillDC(hdc, RECT{0, 0, 400, 300}, kBlue);
  ReleaseDC(child, hdc);
  EXPECT_TRUE(win32::TheDisplay().stale.empty());
  EXPECT_EQ(Values(ScreenPixel(10, 30), ScreenPixel(289, 219), ScreenPixel(9, 30), ScreenPixel(10, 29),
                   RectText(Desktop().TakeScreenDamage())),
            Values(kBlue, kBlue, kRed, kRed, "10,30-290,220"));
}

}  // namespace
}  // namespace mirel_test
