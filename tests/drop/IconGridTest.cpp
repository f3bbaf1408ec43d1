// The icon grid as users meet it: the hot cell in each style, a pick closing the grid before
// DropIconClick (whatever the icon's Visible says), the arrows and Enter, a disabled icon, an
// icon's tip after the delay, an answer that names no drop-down; every event in order.

#include "drop/DropPanelsOnForm.h"
#include "render/frmToolTip.h"
#include "render/styles/Palette.h"

namespace {

const std::vector<std::string> kOpened = {"DropDownActivate 1 Fmt 4 Symbols", "OnDropDown 1 Fmt 4 Symbols"};

class IconGrid : public DropPanelsOnForm {};

TEST_F(IconGrid, APickClosesTheGridThenReportsTheIcon) {
  // Visible is the host's to keep: the grid places every icon, written False or not at all.
  m_Bar->DropDowns()->Item(Variant("Symbols"))->Tools()->Item(Variant("S2"))->Visible(false);
  OpenPanel(kSymbols);
  ASSERT_TRUE(PanelShown());
  MoveTo(IconPoint(2));
  ClickAt(IconPoint(2));
  EXPECT_FALSE(PanelShown());
  EXPECT_TRUE(mirel_test::SameSequence(
      Then(kOpened, {"DropIconMouseMove 1 Fmt 4 Symbols 2 S2", "DropIconMouseMove 1 Fmt 4 Symbols 2 S2",
                     "OnDropClose 1 Fmt 4 Symbols", "DropIconClick 1 Fmt 4 Symbols 2 S2"}),
      Rows()));
}

TEST_F(IconGrid, ADisabledIconIsNotPickedAndTheArrowsWalkTheGrid) {
  OpenPanel(kSymbols);
  ClickAt(IconPoint(3));
  EXPECT_EQ(Values(PanelShown(), Panel().PressedIcon()), "1 0");
  // From the icon under the mouse; the walk stops at the last icon.
  for (int vk : {VK_LEFT, VK_RIGHT, VK_RIGHT, VK_DOWN}) Desktop().KeyPress(vk);
  EXPECT_EQ(Panel().HotIcon(), 4);
  Desktop().KeyPress(VK_RETURN);
  EXPECT_TRUE(mirel_test::SameSequence(
      Then(kOpened, {"DropIconMouseMove 1 Fmt 4 Symbols 3 S3", "OnDropClose 1 Fmt 4 Symbols",
                     "DropIconClick 1 Fmt 4 Symbols 4 S4"}),
      Rows()));
}

// Resting on an icon shows its tip once the pre-delay has run and the mouse moves again; each
// way of leaving the icon takes the tip away.
TEST_F(IconGrid, AnIconsTipShowsAfterTheDelayAndGoesWhenTheMouseLeavesOrTheGridCloses) {
  const auto tips = [] { return mirel_test::TopLevelWindowsOfClass(frmToolTip::kClassName); };
  const struct {
    const char* way;
    std::function<void()> leave;
  } ways[] = {
      {"onto an icon without a tip", [&] { MoveTo(IconPoint(1)); }},
      {"off the grid", [&] { MoveTo(BandPoint(1, 2, Surface(1).Height() + 40)); }},
      {"Esc closes the grid", [&] { Desktop().KeyPress(VK_ESCAPE); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.way);
    OpenPanel(kSymbols);
    const POINT tipped = IconPoint(2);
    MoveTo(tipped);
    Desktop().AdvanceTime(m_Bar->ToolTipPreTime() - 1);
    MoveTo({tipped.x + 1, tipped.y});
    EXPECT_TRUE(tips().empty()) << "before the pre-delay ran out";
    Desktop().AdvanceTime(1);
    MoveTo(tipped);  // the move after the pre-delay shows the tip at the next display tick
    Desktop().AdvanceTime(ToolTipTimer::kTipDisplayInterval);
    ASSERT_EQ(tips().size(), 1u);
    char text[32] = {};
    GetWindowTextA(tips().front(), text, static_cast<int>(sizeof text));
    EXPECT_STREQ(text, "Second");
    way.leave();
    Desktop().AdvanceTime(ToolTipTimer::kTipDisplayInterval + 1);
    EXPECT_TRUE(tips().empty());
    if (PanelShown()) Desktop().KeyPress(VK_ESCAPE);
  }
}

TEST_F(IconGrid, AnAnswerThatNamesNoDropDownIsReportedAndOpensNothing) {
  m_Log.answerDropDown = [](Variant& panel) { panel = Variant::Integer(7); };
  OpenPanel(kSymbols);
  EXPECT_EQ(Values(PanelShown(), Surface(1).State().iOpenDropTool), Values(false, kNoTool));
  EXPECT_TRUE(mirel_test::SameSequence({"DropDownActivate 1 Fmt 4 Symbols", "ErrorMessage 10 7 4 Symbols"}, Rows()));
}

// The hot cell's box two pixels around the icon: the style's fill (tsMS2003: its gradient, whose
// first row is RGB(255, 242, 200)) inside the panel's highlight outline.
class HotCell : public DropPanelsOnForm, public testing::WithParamInterface<ctsVisualStyleConstants> {};

TEST_P(HotCell, ShowsTheStylesBoxInsideTheOutline) {
  m_Bar->SetVisualStyle(GetParam());
  OpenPanel(kSymbols);
  MoveTo(IconPoint(1));
  const styles::Palette& palette = styles::PaletteFor(GetParam(), m_Bar->Theme());
  RECT inner = DropPanelLayout::HotCellInner(0, 0, Panel().Setup().cell);
  OffsetRect(&inner, DropPanelLayout::kGridOrigin.x, DropPanelLayout::kGridOrigin.y);
  const POINT corner = PanelPoint({inner.left - 2, inner.top - 2}), inside = PanelPoint({inner.left - 1, inner.top - 1});
  EXPECT_EQ(ScreenPixel(corner.x, corner.y), palette.PanelHighlightOutline);
  EXPECT_EQ(ScreenPixel(inside.x, inside.y), GetParam() == tsMS2003 ? RGB(255, 242, 200) : palette.PanelHighlightFill);
}

INSTANTIATE_TEST_SUITE_P(Drop, HotCell, testing::Values(tsMS2003, tsMSNet, tsMSIE));

}  // namespace
