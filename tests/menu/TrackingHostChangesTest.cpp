// Hosts that change the tables or unload their form while menus are open, inside the
// control's events or between them: nothing raises an error, the menus close or follow the
// tables, and every window and device context goes back.
#include "TrackingTest.h"
#include "core/MirelMenuBar20Internals.h"

namespace tracking_test {
namespace {

// A host that runs its own code inside one of the control's events.
struct HostHandler : __MirelMenuBar20 {
  std::function<void()> onDrop;
  std::function<void()> onClose;
  std::function<void()> onItemUp;
  std::vector<std::string> clicks;
  void MenuOnDrop(std::int16_t, std::string) override {
    if (onDrop) onDrop();
  }
  void MenuOnClose(std::int16_t, std::string) override {
    if (onClose) onClose();
  }
  void MenuItemMouseUp(std::int16_t, std::string, std::int16_t, std::string, std::int16_t, std::int16_t, float,
                       float) override {
    if (onItemUp) onItemUp();
  }
  void MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                     std::string MenuItemID) override {
    clicks.push_back(std::to_string(MenuIndex) + " " + MenuID + " " + std::to_string(MenuItemIndex) + " " + MenuItemID);
  }
};

class TrackingHostChangesTest : public TrackingTest {
 protected:
  void SetUp() override {
    TrackingTest::SetUp();
    m_Bar->Connect(&m_Host);
  }
  void TearDown() override {
    if (m_Form && m_Form->Loaded()) m_Bar->Disconnect(&m_Host);
    TrackingTest::TearDown();
  }
  HostHandler m_Host;
};

TEST_F(TrackingHostChangesTest, MenusClearThenRefreshHideAllMenusAndDestroyingTheForm) {
  m_Bar->Menus()->Clear();
  m_Bar->Refresh();
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
  m_Bar->Disconnect(&m_Host);
  m_Form.reset();  // the host's form going out of scope
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::DC), 0);
}

TEST_F(TrackingHostChangesTest, ClearAllWithAMenuOpenThenAMouseMoveOverWhereItWas) {
  ClickCaption(kFile);
  const POINT row = RowPoint(Newest(), 2);
  m_Bar->ClearAll();
  MoveTo(row);
  MoveTo(POINT{row.x, row.y + 3});
  EXPECT_EQ(OpenMenuKeys(), "");
  EXPECT_EQ(Inside(*m_Bar).Tracker().DroppedIndex(), kNoBarMenu);
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingHostChangesTest, ItemsRebuiltInMenuOnDropAreWhatTheMenuShowsAndClicks) {
  m_Host.onDrop = [this] {
    const auto items = m_Bar->Menus()->Item(Variant("File"))->MenuItems();
    items->Clear();
    items->Add({.Caption = "&Fresh", .Key = "Fresh"});
  };
  ClickCaption(kFile);
  ASSERT_EQ(Newest().Layout().Count(), 1);
  ClickAt(RowPoint(Newest(), 1));
  EXPECT_TRUE(SameRows({"1 File 1 Fresh"}, m_Host.clicks));
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingHostChangesTest, ItemsRemovedInMenuItemMouseUpLeaveNothingToClick) {
  m_Host.onItemUp = [this] { m_Bar->Menus()->Item(Variant("File"))->MenuItems()->Remove(Variant("Open")); };
  ClickCaption(kFile);
  ClickAt(RowPoint(Newest(), 2));
  EXPECT_TRUE(m_Host.clicks.empty());
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingHostChangesTest, AnEarlierItemRemovedInMenuItemMouseUpStillClicksTheChosenOne) {
  m_Host.onItemUp = [this] { m_Bar->Menus()->Item(Variant("File"))->MenuItems()->Remove(Variant("New")); };
  ClickCaption(kFile);
  ClickAt(RowPoint(Newest(), 2));
  EXPECT_TRUE(SameRows({"1 File 1 Open"}, m_Host.clicks));
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingHostChangesTest, RemovingTheDroppedMenuClosesItAndLeavesTheBarWorking) {
  ClickCaption(kEdit);
  m_Bar->Menus()->Remove(Variant("Edit"));
  EXPECT_EQ(OpenMenuKeys(), "");
  MoveTo(CaptionPoint(kFile));
  Desktop().KeyPress(VK_ESCAPE);
  m_Bar->HideAllMenus();
  ClickCaption(kFile);
  EXPECT_EQ(OpenMenuKeys(), "File");
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

// The classic "unload me" in a handler: the click or key that led there ends quietly.
struct UnloadCase {
  const char* name;
  bool bInMenuOnClose;
  bool bByKey;
};

class UnloadInsideAnEventTest : public TrackingHostChangesTest, public ::testing::WithParamInterface<UnloadCase> {};

TEST_P(UnloadInsideAnEventTest, TheClickOrKeyEndsWithoutErrorAndEverythingIsReleased) {
  const UnloadCase& c = GetParam();
  std::function<void()> unload = [this] { m_Form->Unload(); };
  (c.bInMenuOnClose ? m_Host.onClose : m_Host.onItemUp) = unload;
  ClickCaption(kEdit);
  if (c.bByKey) {
    Desktop().KeyPress('U');
  } else {
    ClickAt(RowPoint(Newest(), 1));
  }
  EXPECT_FALSE(m_Form->Loaded());
  EXPECT_TRUE(m_Host.clicks.empty());
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::DC), 0);
}

INSTANTIATE_TEST_SUITE_P(Handlers, UnloadInsideAnEventTest,
                         ::testing::Values(UnloadCase{"MenuOnCloseClick", true, false},
                                           UnloadCase{"MenuOnCloseKey", true, true},
                                           UnloadCase{"MenuItemMouseUpClick", false, false},
                                           UnloadCase{"MenuItemMouseUpKey", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tracking_test
