// Showing and hiding a menu's infrequent items: the expand arrow's hover, clicks on the arrow,
// on separators, sub-menu rows and empty space, and Down past the last item. A toggle re-opens
// the menu and raises only MenuOnInfrequentOpen or MenuOnInfrequentClose.
#include "TrackingTest.h"
#include "core/MirelMenuBar20Internals.h"

namespace tracking_test {
namespace {

constexpr DWORD kArrowHoverTime = 1000;
constexpr int kInsideArrowZone = 10;  // pixels above the window's bottom edge
constexpr int kViewZoom = 4;
constexpr int kViewLocked = 5;

class InfrequentTest : public TrackingTest {
 protected:
  POINT ArrowPoint(const frmMenu& form) { return ClientPoint(form, form.Size().cy - kInsideArrowZone); }
  // A point between two rows, on no item (the gap around the separator).
  POINT SeparatorGap(const frmMenu& form) {
    const int y = form.Layout().Row(kViewZoom).lBandTop - 1;
    EXPECT_EQ(form.Layout().HitTest(y), kNoMenuRow);
    return ClientPoint(form, y);
  }
  POINT AboveTheFirstRow(const frmMenu& form) { return ClientPoint(form, form.Layout().Row(1).lBandTop - 1); }
  bool InfrequentsShown() { return Inside(*m_Bar).MenuData().Menu(kView).cMDisplayInfrequentState != VARIANT_FALSE; }
};

TEST_F(InfrequentTest, RestingOnTheExpandArrowForOneSecondShowsTheInfrequentItems) {
  ClickCaption(kView);
  ASSERT_TRUE(Newest().ExpandArrowShown());
  EXPECT_FALSE(Newest().Layout().Row(2).bShown);
  MoveTo(ArrowPoint(Newest()));
  EXPECT_TRUE(Newest().ExpandArrowHot());
  Desktop().AdvanceTime(kArrowHoverTime - 1);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 3 View"}, Rows()));
  Desktop().AdvanceTime(1);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 3 View", "1000 MenuOnInfrequentOpen 3 View"}, Rows()));
  ASSERT_EQ(OpenMenuKeys(), "View");
  EXPECT_FALSE(Newest().ExpandArrowShown());
  EXPECT_TRUE(Newest().Layout().Row(2).bShown);
  EXPECT_EQ(Inside(*m_Bar).Tracker().DroppedIndex(), kView);
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(InfrequentTest, ClicksOnTheArrowSeparatorsSubMenuRowsAndEmptySpaceToggleButADisabledItemDoesNot) {
  ClickCaption(kView);
  std::vector<std::string> steps;
  const auto click = [&](const std::string& name, POINT pt) {
    ClickAt(pt);
    steps.push_back(name + ": " + OpenMenuKeys() + (InfrequentsShown() ? " shown" : " hidden"));
  };
  click("arrow", ArrowPoint(Newest()));
  click("separator", SeparatorGap(Newest()));
  click("sub-menu row", RowPoint(Newest(), kViewZoom));
  click("empty space", AboveTheFirstRow(Newest()));
  click("disabled item", RowPoint(Newest(), kViewLocked));
  EXPECT_TRUE(SameRows({"arrow: View shown", "separator: View hidden", "sub-menu row: View shown",
                        "empty space: View hidden", "disabled item: View hidden"},
                       steps));
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 3 View", "0 MenuOnInfrequentOpen 3 View", "0 MenuOnInfrequentClose 3 View",
                        "0 MenuOnInfrequentOpen 3 View", "0 MenuOnInfrequentClose 3 View"},
                       Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(InfrequentTest, DownPastTheLastShownItemShowsTheInfrequentItems) {
  ClickCaption(kView);
  std::vector<int> highlights;
  for (int i = 0; i < 3; ++i) {
    Desktop().KeyPress(VK_DOWN);
    highlights.push_back(Newest().HighlightedRow());
  }
  EXPECT_EQ(highlights, (std::vector<int>{1, kViewZoom, kViewLocked}));
  Desktop().KeyPress(VK_DOWN);
  EXPECT_TRUE(InfrequentsShown());
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 3 View", "0 MenuOnInfrequentOpen 3 View"}, Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(InfrequentTest, APopUpReopensWhereItWasAfterTheToggle) {
  m_Bar->PopUpMenu("View", static_cast<float>(300 * Twips()), static_cast<float>(150 * Twips()));
  ClickAt(ArrowPoint(Newest()));
  ASSERT_EQ(OpenMenuKeys(), "View");
  RECT rcMenu{};
  GetWindowRect(Newest().hWnd(), &rcMenu);
  EXPECT_EQ(rcMenu.left, 300);
  EXPECT_EQ(rcMenu.top, 150);
  EXPECT_TRUE(SameRows({"0 MenuOnInfrequentOpen 3 View"}, Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

}  // namespace
}  // namespace tracking_test
