// The real window uploads only the part of the screen that changed since it was last shown.
#include <gtest/gtest.h>

#include "win32/backend/sdl/ScreenDamage.h"

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr COLORREF kBack = RGB(0x3A, 0x6E, 0xA5);
constexpr COLORREF kInk = RGB(0xFF, 0xFF, 0xFF);

struct Area {
  LONG left, top, right, bottom;
  bool operator==(const Area&) const = default;
};
void PrintTo(const Area& a, std::ostream* out) { *out << "{" << a.left << ", " << a.top << ", " << a.right << ", " << a.bottom << "}"; }
Area Of(const RECT& r) { return Area{r.left, r.top, r.right, r.bottom}; }

TEST(ScreenDamageTest, ReportsTheWholeScreenFirstThenOnlyTheBoundsOfWhatChanged) {
  win32::Surface screen;
  screen.Resize(kWidth, kHeight, kBack);
  win32::sdl::ScreenDamage damage;
  EXPECT_EQ(Of(damage.TakeChanges(screen)), (Area{0, 0, kWidth, kHeight}));
  EXPECT_EQ(Of(damage.TakeChanges(screen)), (Area{0, 0, 0, 0}));

  screen.At(10, 20) = kInk;
  screen.At(30, 5) = kInk;
  EXPECT_EQ(Of(damage.TakeChanges(screen)), (Area{10, 5, 31, 21}));
  screen.At(kWidth - 1, kHeight - 1) = kInk;
  EXPECT_EQ(Of(damage.TakeChanges(screen)), (Area{kWidth - 1, kHeight - 1, kWidth, kHeight}));
  EXPECT_EQ(Of(damage.TakeChanges(screen)), (Area{0, 0, 0, 0}));
}

TEST(ScreenDamageTest, ReportsTheWholeScreenAfterASizeChangeOrWhenToldToForget) {
  win32::Surface screen;
  screen.Resize(kWidth, kHeight, kBack);
  win32::sdl::ScreenDamage damage;
  damage.TakeChanges(screen);
  damage.Forget();
  EXPECT_EQ(Of(damage.TakeChanges(screen)), (Area{0, 0, kWidth, kHeight}));
  screen.Resize(kHeight, kWidth, kBack);  // same pixel count, other shape
  EXPECT_EQ(Of(damage.TakeChanges(screen)), (Area{0, 0, kHeight, kWidth}));
}

}  // namespace
