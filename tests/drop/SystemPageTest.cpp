// The colour picker's system page: the 28 system colours under the host's names (renamed
// through GetPredefinedColorStrings and kept for later openings), the local captions, a pick
// reported as the system colour, the scroll bar following the keys.
#include <gtest/gtest.h>

#include "drop/DropPanelsOnForm.h"

namespace {

class SystemPage : public DropPanelsOnForm {
 protected:
  const DropPanel& Panel() { return Drop()->Panel(); }
  // Opens the colour picker on its system page.
  void OpenSystemPage() {
    OpenPanel(kFore);
    Desktop().KeyPress(VK_TAB);
  }
};

TEST_F(SystemPage, ARenamedColourShowsAtThisAndEveryLaterOpening) {
  m_Log.renameColors = [](std::vector<std::string>& names) {
    ASSERT_EQ(names.size(), 28u);
    names[0] = "Rollbalken";
  };
  OpenSystemPage();
  EXPECT_EQ(Panel().SystemList().List(0), "Rollbalken");
  Desktop().KeyPress(VK_ESCAPE);
  m_Log.renameColors = nullptr;
  OpenPanel(kFore);
  EXPECT_EQ(Panel().Page(), DropPanel::kSystemPage);
  EXPECT_EQ(Panel().SystemList().List(0), "Rollbalken");
  EXPECT_EQ(Panel().SystemList().List(27), "Hot Items");
}

TEST_F(SystemPage, ListsTheSystemColoursAndPicksOneAsItsSystemColour) {
  OpenSystemPage();
  const CWlessListBox& list = Panel().SystemList();
  ASSERT_EQ(list.ListCount(), 28);
  EXPECT_EQ(list.List(24), "Button Light Shadow");
  EXPECT_EQ(DropPanel::TranslateColor(list.Color(24)), GetSysColor(COLOR_3DLIGHT));
  // Down past the last visible row: the scroll bar follows the list.
  for (int i = 0; i < 28; ++i) Desktop().KeyPress(VK_DOWN);
  EXPECT_EQ(list.ListIndex(), 27);  // the first Down selects the first item
  EXPECT_GT(list.TopIndex(), 0);
  EXPECT_EQ(Panel().VScroll().Value(), list.TopIndex());
  Desktop().KeyPress(VK_RETURN);
  EXPECT_TRUE(mirel_test::SameSequence({"DropDownActivate 1 Fmt 1 Fore", "OnDropDown 1 Fmt 1 Fore",
                                        "OnDropClose 1 Fmt 1 Fore", "ColorSelect 1 Fmt 1 Fore -2147483622"},
                                       Rows()));
  EXPECT_EQ(Bands()->Item(Variant(1))->Tools()->Item(Variant(kFore))->DisplayColor(), GetSysColor(COLOR_HOTLIGHT));
}

TEST_F(SystemPage, TakesTheControlsLocalCaptions) {
  m_Bar->SetLocalPalette("Farben");
  m_Bar->SetLocalSystem("System-Farben");
  m_Bar->SetLocalMoreColors("Weitere Farben...");
  OpenPanel(kFore);
  EXPECT_EQ(Panel().TabCaption(DropPanel::kPalettePage), "Farben");
  EXPECT_EQ(Panel().TabCaption(DropPanel::kSystemPage), "System-Farben");
  EXPECT_EQ(Panel().MoreColorsText(), "Weitere Farben...");
}

}  // namespace
