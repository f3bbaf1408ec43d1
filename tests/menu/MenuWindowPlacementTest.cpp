// Where menu windows go at every screen edge, in twips, at 96 dpi (15 twips per pixel) and
// 120 dpi (12 twips per pixel).
#include <gtest/gtest.h>

#include "menu/MenuWindowPlacement.h"

// Found by argument-dependent lookup, so it lives beside the record.
void PrintTo(const tMenuPlacement& p, std::ostream* out) {
  *out << "{Left " << p.Left << ", Top " << p.Top << ", join " << p.lJoinOffset << ", up " << p.bOpenedUpwards
       << ", leftwards " << p.bOpenedLeftwards << "}";
}

namespace {

constexpr int kScreenWidthPx = 1024;
constexpr int kScreenHeightPx = 768;


class MenuWindowPlacement : public ::testing::TestWithParam<float> {
 protected:
  float tpp() const { return GetParam(); }
  // A request in pixels, turned into twips as the control does.
  tMenuPlacementRequest Request(MenuWindowKind eKind, int left, int top, int width, int height) const {
    tMenuPlacementRequest r;
    r.eKind = eKind;
    r.Left = static_cast<float>(left) * tpp();
    r.Top = static_cast<float>(top) * tpp();
    r.Width = static_cast<float>(width) * tpp();
    r.Height = static_cast<float>(height) * tpp();
    r.ScreenWidth = kScreenWidthPx * tpp();
    r.ScreenHeight = kScreenHeightPx * tpp();
    r.TwipsPerPixelX = tpp();
    r.TwipsPerPixelY = tpp();
    r.lBarHeight = 23;
    return r;
  }
  float T(int pixels) const { return static_cast<float>(pixels) * tpp(); }
};

// Each case in pixels: kind, left, top (width 150, height 200), right to left, shadows, the
// parent's rectangle for sub-menus, and where the window goes.
TEST_P(MenuWindowPlacement, EveryEdgeInEveryDirection) {
  using K = MenuWindowKind;
  const struct {
    const char* name;
    K kind;
    int left, top;
    bool rightToLeft;
    bool shadows;
    RECT parent;
    int placedLeft, placedTop, join;
    bool up, leftwards;
  } cases[] = {
      {"bar drop that fits stays put", K::BarDrop, 100, 50, false, true, {}, 100, 50, 0, false, false},
      // 126 px beyond the right edge: moved in, the join shifted by 126 + 1.
      {"bar drop past the right edge", K::BarDrop, 1000, 50, false, true, {}, 1024 - 150, 50, 127, false, false},
      {"right-to-left bar drop hangs left of the caption's end", K::BarDrop, 1020, 50, true, true, {}, 870, 50, 0, false,
       false},
      {"right-to-left bar drop past the left edge", K::BarDrop, 143, 50, true, true, {}, 0, 50, -6, false, false},
      {"bar drop past the bottom opens above the bar", K::BarDrop, 100, 600, false, true, {}, 100, 600 - 200 - 23, 0,
       true, false},
      {"sub-menu past the right edge opens left of its parent", K::SubMenu, 950, 100, false, true, {800, 80, 954, 300},
       804 - 150, 100, 0, false, false},
      {"pop-up past the right edge is pushed in", K::PopUp, 950, 100, false, true, {}, 1024 - 150, 100, 0, false, false},
      {"cascade past the bottom moves up", K::PopUp, 100, 700, false, true, {}, 100, 768 - 200, 0, false, false},
      {"right-to-left opens left of the point", K::PopUp, 400, 100, true, true, {}, 250, 100, 0, false, true},
      // Without room on the left: right of the parent, less the shadow.
      {"right-to-left sub-menu without room", K::SubMenu, 100, 100, true, true, {96, 80, 260, 300}, 256, 100, 0, false,
       false},
      {"... without shadows", K::SubMenu, 100, 100, true, false, {96, 80, 260, 300}, 260, 100, 0, false, false},
      {"right-to-left pop-up without room", K::PopUp, 100, 100, true, true, {}, 1024 - 150, 100, 0, false, false},
  };
  for (const auto& c : cases) {
    auto request = Request(c.kind, c.left, c.top, 150, 200);
    request.bRightToLeft = c.rightToLeft;
    request.bShadows = c.shadows;
    request.rcParent = c.parent;
    EXPECT_EQ(PlaceMenuWindow(request), (tMenuPlacement{T(c.placedLeft), T(c.placedTop), c.join, c.up, c.leftwards}))
        << c.name;
  }
  // A left edge that is not a whole pixel: the join's quotient truncates towards zero.
  auto request = Request(K::BarDrop, 143, 50, 150, 200);
  request.bRightToLeft = true;
  request.Left = T(143) - 1;
  EXPECT_EQ(PlaceMenuWindow(request).lJoinOffset, -6);
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, MenuWindowPlacement, ::testing::Values(15.0F, 12.0F),
                         [](const auto& info) { return info.param == 15.0F ? "dpi96" : "dpi120"; });

}  // namespace
