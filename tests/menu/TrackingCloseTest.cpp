// What closes open menus from outside them: a click on the host form, the host form losing
// activation or being hidden, and HideAllMenus.
#include "TrackingTest.h"

#include <functional>

#include "core/MirelMenuBar20Internals.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"

namespace tracking_test {
namespace {

constexpr POINT kOnTheForm{300, 300};

// Each closes the menu and the sub-menu opened from it with one MenuOnClose, and gives back
// the mouse.
TEST_F(TrackingTest, AClickOnTheFormHidingItAnotherApplicationOrHideAllMenusCloseEverything) {
  const struct {
    const char* what;
    std::function<void()> close;
  } cases[] = {
      {"a click on the host form", [this] { ClickAt(kOnTheForm); }},
      {"another application activated", [] { win32::TheDesktop().SetApplicationActive(false); }},
      {"the host form hidden", [this] { ShowWindow(m_Form->hWnd(), SW_HIDE); }},
      {"HideAllMenus", [this] { m_Bar->HideAllMenus(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ShowWindow(m_Form->hWnd(), SW_SHOW);
    Desktop().SetApplicationActive(true);
    SetActiveWindow(m_Form->hWnd());
    Mark();
    ClickCaption(kFile);
    MoveTo(RowPoint(Newest(), 4));
    ASSERT_EQ(OpenMenuKeys(), "File,RecentMenu");
    c.close();
    EXPECT_EQ(OpenMenuKeys(), "");
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File"}, Rows()));
    ExpectAllClosedAndNothingLeaked();
  }
  Desktop().SetApplicationActive(true);
  EXPECT_EQ(GetActiveWindow(), m_Form->hWnd());
}

// A press in any child window of the form reaches the form first as WM_MOUSEACTIVATE: a
// click in the host's document closes the menus and a caption click closes an open pop-up.
TEST_F(TrackingTest, AClickInAChildWindowOfTheFormClosesAllMenus) {
  AddDocument();
  ClickCaption(kFile);
  ClickAt(DocumentPoint());
  EXPECT_EQ(OpenMenuKeys(), "");
  m_Bar->PopUpMenu("Edit", static_cast<float>(400 * Twips()), static_cast<float>(200 * Twips()));
  ClickCaption(kView);
  EXPECT_EQ(OpenMenuKeys(), "View");
  m_Bar->HideAllMenus();
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File", "0 MenuOnDrop 3 View",
                        "0 MenuOnClose 3 View"},
                       Rows()));
  ExpectAllClosedAndNothingLeaked();
}

// The bar never keeps the keyboard: after a menu was used with the mouse, typing goes on in
// the host's document.
TEST_F(TrackingTest, AfterAnItemChosenWithTheMouseTypedTextReachesTheDocument) {
  const HWND hWndDocument = AddDocument();
  ClickAt(DocumentPoint());
  ASSERT_EQ(GetFocus(), hWndDocument);
  ClickCaption(kEdit);
  ClickAt(RowPoint(Newest(), 1));
  EXPECT_EQ(GetFocus(), hWndDocument);
  Desktop().TypeChar('a');
  EXPECT_EQ(DocumentText(), "a");
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, TheHostFormLosingActivationClosesAllMenus) {
  FormOptions options;
  options.caption = "Other";
  options.left = 720;
  options.top = 100;
  options.width = 200;
  options.height = 200;
  auto other = std::make_unique<Form>(options);
  other->Show();
  SetActiveWindow(m_Form->hWnd());
  Mark();
  ClickCaption(kEdit);
  ClickAt(POINT{800, 200});
  EXPECT_EQ(GetActiveWindow(), other->hWnd());
  EXPECT_EQ(OpenMenuKeys(), "");
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 2 Edit", "0 MenuOnClose 2 Edit"}, Rows()));
  other->Unload();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, ActivationPassingBetweenTheFormAndAMenuWindowLeavesTheMenusOpen) {
  ClickCaption(kFile);
  const HWND hWndMenu = Newest().hWnd();
  SetActiveWindow(hWndMenu);
  EXPECT_EQ(OpenMenuKeys(), "File");
  SetActiveWindow(m_Form->hWnd());
  EXPECT_EQ(OpenMenuKeys(), "File");
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File"}, Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, AClickOnTheFormClosesAPopUpWithoutAnyEvent) {
  m_Bar->PopUpMenu("Edit", static_cast<float>(400 * Twips()), static_cast<float>(200 * Twips()));
  ASSERT_EQ(OpenMenuKeys(), "Edit");
  ClickAt(kOnTheForm);
  EXPECT_EQ(OpenMenuKeys(), "");
  EXPECT_TRUE(Rows().empty());
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, UnloadingTheHostFormWithMenusOpenTakesEveryMenuWindowWithIt) {
  ClickCaption(kFile);
  MoveTo(RowPoint(Newest(), 4));
  const std::vector<HWND> open = Inside(*m_Bar).OpenMenuWindows();
  ASSERT_EQ(open.size(), 2u);
  const long lWindowsBefore = win32::LiveObjects(win32::ObjectKind::Window);
  m_Form->Unload();
  for (HWND hWnd : open) EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_LT(win32::LiveObjects(win32::ObjectKind::Window), lWindowsBefore - 2);
  EXPECT_FALSE(mHooks::IsHookInstalled());
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), 0u);
}

}  // namespace
}  // namespace tracking_test
