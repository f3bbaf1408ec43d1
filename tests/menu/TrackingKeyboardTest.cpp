// Menus driven by the keyboard through the thread hook: Alt mode and caption mnemonics on the
// bar, and the menu windows' key table (Enter, Esc, arrows, item mnemonics).
#include "TrackingTest.h"
#include "core/MirelMenuBar20Internals.h"

#include <functional>
#include <utility>
#include <vector>

namespace tracking_test {
namespace {

// A key click reports the pointer at the menu window's own origin, in screen twips.
std::string KeyClickPoint(const frmMenu& form, int twips) {
  RECT rcMenu{};
  GetWindowRect(form.hWnd(), &rcMenu);
  return std::to_string(rcMenu.left * twips) + " " + std::to_string(rcMenu.top * twips);
}

// Enter on the highlighted item, Alt and a caption mnemonic then Down and Enter, and an item
// mnemonic in an open menu each click the item with button 0.
TEST_F(TrackingTest, KeyClicksRaiseUpCloseAndClickInOrder) {
  const struct {
    const char* what;
    std::function<void()> open;
    std::vector<int> keys;
    const char* menu;
    const char* item;
  } cases[] = {
      {"Down, Down, Enter", [this] { ClickCaption(kFile); }, {VK_DOWN, VK_DOWN, VK_RETURN}, "1 File", "2 Open"},
      {"Alt, E, Down, Enter",
       [this] {
         Desktop().KeyPress(VK_MENU);
         EXPECT_TRUE(Inside(*m_Bar).Tracker().AltMode());
         Desktop().KeyPress('E');
         EXPECT_TRUE(Inside(*m_Bar).Tracker().KeyboardOpened());
       },
       {VK_DOWN, VK_RETURN}, "2 Edit", "1 Undo"},
      {"item mnemonic", [this] { ClickCaption(kEdit); }, {'T'}, "2 Edit", "2 Cut"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Mark();
    c.open();
    const std::string at = KeyClickPoint(Newest(), Twips());
    for (int key : c.keys) Desktop().KeyPress(key);
    const std::string menu = c.menu;
    const std::string item = c.item;
    EXPECT_TRUE(SameRows({"0 MenuOnDrop " + menu, "0 MenuItemMouseUp " + menu + " " + item + " 0 0 " + at,
                          "0 MenuOnClose " + menu, "0 MenuItemClick " + menu + " " + item},
                         Rows()));
    EXPECT_FALSE(Inside(*m_Bar).Tracker().AltMode());
    ExpectAllClosedAndNothingLeaked();
  }
}

TEST_F(TrackingTest, AMnemonicPressedWithAltHeldDropsItsMenu) {
  Desktop().KeyDown(VK_MENU);
  Desktop().KeyPress('V');
  Desktop().KeyUp(VK_MENU);
  EXPECT_EQ(OpenMenuKeys(), "View");
  Desktop().KeyPress(VK_ESCAPE);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 3 View", "0 MenuOnClose 3 View"}, Rows()));
  ExpectAllClosedAndNothingLeaked();
}

// A second Alt, Esc with no menu open, any press, a pop-up and a change of activation leave Alt mode;
// a plain letter afterwards drops nothing.
TEST_F(TrackingTest, WhatLeavesAltModeAndALetterThenDropsNothing) {
  AddDocument();
  const std::pair<const char*, std::function<void()>> leavers[] = {
      {"second Alt", [&] { Desktop().KeyPress(VK_MENU); }},
      {"Esc", [&] { Desktop().KeyPress(VK_ESCAPE); }},
      {"press on the form", [&] { ClickAt(POINT{300, 300}); }},
      {"press in the document", [&] { ClickAt(DocumentPoint()); }},
      {"press on the bar past the captions", [&] { ClickAt(POINT{CaptionPoint(kView).x + 150, CaptionPoint(kView).y}); }},
      {"a pop-up menu opening", [&] {  // the pop-up has the keys: 'E' is its Edit item's mnemonic
         m_Bar->PopUpMenu("View", static_cast<float>(400 * Twips()), static_cast<float>(200 * Twips()));
         Desktop().KeyPress(VK_ESCAPE);
       }},
      {"another application", [&] {
         Desktop().SetApplicationActive(false);
         Desktop().SetApplicationActive(true);
       }},
  };
  for (const auto& [name, leave] : leavers) {
    Desktop().KeyPress(VK_MENU);
    ASSERT_TRUE(Inside(*m_Bar).Tracker().AltMode()) << name;
    leave();
    EXPECT_FALSE(Inside(*m_Bar).Tracker().AltMode()) << name;
    Desktop().KeyPress('E');
    EXPECT_EQ(OpenMenuKeys(), "") << name;
  }
  EXPECT_TRUE(Rows().empty());
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, EnterOnADisabledItemIsSwallowedAndChangesNothing) {
  ClickCaption(kFile);
  for (int i = 0; i < 5; ++i) Desktop().KeyPress(VK_DOWN);  // New, Open, Recent, More, Disabled
  EXPECT_EQ(Newest().HighlightedRow(), 6);
  Desktop().KeyPress(VK_RETURN);
  EXPECT_EQ(OpenMenuKeys(), "File");
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File"}, Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, ArrowsMoveTheHighlightOverShownItemsAndWrap) {
  ClickCaption(kEdit);
  std::vector<std::string> highlights;
  for (int key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_UP}) {
    Desktop().KeyPress(key);
    highlights.push_back(std::string(key == VK_DOWN ? "Down " : "Up ") + std::to_string(Newest().HighlightedRow()));
  }
  EXPECT_TRUE(SameRows({"Down 1", "Down 2", "Down 1", "Up 2", "Up 1"}, highlights));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, EscInASubMenuClosesEveryMenu) {
  ClickCaption(kFile);
  for (int i = 0; i < 3; ++i) Desktop().KeyPress(VK_DOWN);  // New, Open, Recent
  Desktop().KeyPress(VK_RIGHT);
  ASSERT_EQ(OpenMenuKeys(), "File,RecentMenu");
  Desktop().KeyPress(VK_DOWN);
  EXPECT_EQ(Newest().HighlightedRow(), 1);
  Desktop().KeyPress(VK_ESCAPE);
  EXPECT_EQ(OpenMenuKeys(), "");
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File"}, Rows()));
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, LeftAndRightMoveBetweenSubMenusAndBarCaptions) {
  ClickCaption(kFile);
  std::vector<std::string> states;
  const auto press = [&](int key, const std::string& name) {
    Desktop().KeyPress(key);
    states.push_back(name + ": " + OpenMenuKeys());
  };
  press(VK_DOWN, "Down");
  press(VK_RIGHT, "Right on New");
  press(VK_LEFT, "Left in Edit");
  for (int i = 0; i < 3; ++i) press(VK_DOWN, "Down");
  press(VK_RIGHT, "Right on Recent");
  press(VK_LEFT, "Left in RecentMenu");
  press(VK_LEFT, "Left in File");
  EXPECT_TRUE(SameRows({"Down: File", "Right on New: Edit", "Left in Edit: File", "Down: File", "Down: File",
                        "Down: File", "Right on Recent: File,RecentMenu", "Left in RecentMenu: File",
                        "Left in File: View"},
                       states));
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File", "0 MenuOnDrop 2 Edit", "0 MenuOnClose 2 Edit",
                        "0 MenuOnDrop 1 File", "0 MenuOnClose 1 File", "0 MenuOnDrop 3 View"},
                       Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, RightToLeftSwapsTheArrowsThatOpenAndCloseSubMenus) {
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  ClickCaption(kFile);
  std::vector<std::string> states;
  const auto press = [&](int key, const std::string& name) {
    Desktop().KeyPress(key);
    states.push_back(name + ": " + OpenMenuKeys());
  };
  for (int i = 0; i < 3; ++i) press(VK_DOWN, "Down");
  press(VK_LEFT, "Left on Recent");
  press(VK_RIGHT, "Right in RecentMenu");
  EXPECT_TRUE(SameRows({"Down: File", "Down: File", "Down: File", "Left on Recent: File,RecentMenu",
                        "Right in RecentMenu: File"},
                       states));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

}  // namespace
}  // namespace tracking_test
