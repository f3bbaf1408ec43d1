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

TEST_P(MenuWindowPlacement, BarDropThatFitsStaysPut) {
  const auto placed = PlaceMenuWindow(Request(MenuWindowKind::BarDrop, 100, 50, 150, 200));
  EXPECT_EQ(placed, (tMenuPlacement{T(100), T(50), 0, false, false}));
}

TEST_P(MenuWindowPlacement, BarDropPastTheRightEdgeMovesInAndShiftsTheJoin) {
  // Right = 1000 + 150 = 1150 px: 126 px beyond the edge; join offset 126 + 1.
  const auto placed = PlaceMenuWindow(Request(MenuWindowKind::BarDrop, 1000, 50, 150, 200));
  EXPECT_EQ(placed, (tMenuPlacement{T(1024 - 150), T(50), 127, false, false}));
}

TEST_P(MenuWindowPlacement, RightToLeftBarDropHangsLeftOfTheCaptionsRightEnd) {
  // Asked at the caption's right end, 1020 px near the right screen edge: the menu stays on it.
  auto request = Request(MenuWindowKind::BarDrop, 1020, 50, 150, 200);
  request.bRightToLeft = true;
  EXPECT_EQ(PlaceMenuWindow(request), (tMenuPlacement{T(870), T(50), 0, false, false}));
}

TEST_P(MenuWindowPlacement, RightToLeftBarDropPastTheLeftEdge) {
  auto request = Request(MenuWindowKind::BarDrop, 143, 50, 150, 200);
  request.bRightToLeft = true;
  // 143 - 150 = -7 px; in twips divided by twips per pixel is -7; plus 1.
  EXPECT_EQ(PlaceMenuWindow(request), (tMenuPlacement{0, T(50), -6, false, false}));
  request.Left = T(143) - 1;  // not a whole pixel: the quotient truncates towards zero
  EXPECT_EQ(PlaceMenuWindow(request).lJoinOffset, -6);
}

TEST_P(MenuWindowPlacement, BarDropPastTheBottomOpensAboveTheBar) {
  // Top 600 + 200 > 768: Top = 600 - 200 - 23 px.
  const auto placed = PlaceMenuWindow(Request(MenuWindowKind::BarDrop, 100, 600, 150, 200));
  EXPECT_EQ(placed, (tMenuPlacement{T(100), T(377), 0, true, false}));
}

TEST_P(MenuWindowPlacement, SubMenuPastTheRightEdgeOpensLeftOfItsParent) {
  auto request = Request(MenuWindowKind::SubMenu, 950, 100, 150, 200);
  request.rcParent = RECT{800, 80, 954, 300};
  const auto placed = PlaceMenuWindow(request);
  EXPECT_EQ(placed, (tMenuPlacement{T(804) - T(150), T(100), 0, false, false}));
}

TEST_P(MenuWindowPlacement, PopUpPastTheRightEdgeIsPushedIn) {
  const auto placed = PlaceMenuWindow(Request(MenuWindowKind::PopUp, 950, 100, 150, 200));
  EXPECT_EQ(placed, (tMenuPlacement{T(1024 - 150), T(100), 0, false, false}));
}

TEST_P(MenuWindowPlacement, CascadePastTheBottomMovesUp) {
  const auto placed = PlaceMenuWindow(Request(MenuWindowKind::PopUp, 100, 700, 150, 200));
  EXPECT_EQ(placed, (tMenuPlacement{T(100), T(768 - 200), 0, false, false}));
}

TEST_P(MenuWindowPlacement, RightToLeftOpensLeftOfThePoint) {
  auto request = Request(MenuWindowKind::PopUp, 400, 100, 150, 200);
  request.bRightToLeft = true;
  EXPECT_EQ(PlaceMenuWindow(request), (tMenuPlacement{T(250), T(100), 0, false, true}));
}

TEST_P(MenuWindowPlacement, RightToLeftWithoutRoom) {
  auto subMenu = Request(MenuWindowKind::SubMenu, 100, 100, 150, 200);
  subMenu.bRightToLeft = true;
  subMenu.rcParent = RECT{96, 80, 260, 300};
  // To the right of the parent, less the shadow.
  EXPECT_EQ(PlaceMenuWindow(subMenu), (tMenuPlacement{T(256), T(100), 0, false, false}));
  subMenu.bShadows = false;
  EXPECT_EQ(PlaceMenuWindow(subMenu), (tMenuPlacement{T(260), T(100), 0, false, false}));

  auto popUp = Request(MenuWindowKind::PopUp, 100, 100, 150, 200);
  popUp.bRightToLeft = true;
  EXPECT_EQ(PlaceMenuWindow(popUp), (tMenuPlacement{T(1024 - 150), T(100), 0, false, false}));
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, MenuWindowPlacement, ::testing::Values(15.0F, 12.0F),
                         [](const auto& info) { return info.param == 15.0F ? "dpi96" : "dpi120"; });

}  // namespace
