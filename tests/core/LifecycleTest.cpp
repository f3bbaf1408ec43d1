// The control's life as its container runs it: message interception and the keyboard hook at
// run time only, Terminate removing the window property so that proxies kept by the host
// fail with error 1, and nothing left behind.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "container/AutomationError.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
#include "win32/objcount.h"

namespace {

using LifecycleTest = MenuBarTest;

TEST_F(LifecycleTest, RunTimeInstanceWatchesItsHostAndRegistersWithTheKeyboardHook) {
  auto bar = AddBar(true);
  EXPECT_TRUE(voxSubClsSvr::Instance().IsSubclassed(bar->hWnd()));
  EXPECT_TRUE(voxSubClsSvr::Instance().IsSubclassed(TheForm().hWnd()));
  EXPECT_EQ(mHooks::HookClientCount(), 1u);
  EXPECT_TRUE(mHooks::IsHookInstalled());
}

TEST_F(LifecycleTest, DesignTimeInstanceWatchesNothing) {
  auto bar = AddBar(false);
  EXPECT_FALSE(voxSubClsSvr::Instance().IsSubclassed(bar->hWnd()));
  EXPECT_EQ(mHooks::HookClientCount(), 0u);
}

TEST_F(LifecycleTest, TerminateRemovesTheWindowPropertyAndStopsWatching) {
  auto bar = AddBar(true);
  HWND hWnd = bar->hWnd();
  const std::size_t attachmentsBefore = voxSubClsSvr::Instance().AttachmentCount();
  ASSERT_GT(attachmentsBefore, 0u);
  TheForm().RemoveControl(*bar);
  EXPECT_EQ(MirelMenuBar20::FromWindow(hWnd), nullptr);
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), 0u);
  EXPECT_EQ(mHooks::HookClientCount(), 0u);
  EXPECT_FALSE(mHooks::IsHookInstalled());
}

TEST_F(LifecycleTest, ProxyKeptAfterTerminateRaisesObjectUnloaded) {
  auto bar = AddBar(true);
  MenuAddArgs args;
  args.Key = "File";
  args.Caption = "&File";
  std::shared_ptr<cMenu> file = bar->Menus()->Add(args);
  std::shared_ptr<cMenus> menus = bar->Menus();
  TheForm().RemoveControl(*bar);
  try {
    file->Caption();
    FAIL() << "no error from cMenu";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 364);
    EXPECT_EQ(error.Description(), "Object has been unloaded.");
  }
  try {
    menus->Count();
    FAIL() << "no error from cMenus";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 364);
    EXPECT_EQ(error.Source(), "voxMirelMBar20.cMenus");
  }
}

TEST_F(LifecycleTest, TerminateReleasesTheFontsAndTables) {
  auto bar = AddBar(true);
  MenuAddArgs args;
  args.Key = "File";
  bar->Menus()->Add(args);
  TheForm().RemoveControl(*bar);
  EXPECT_EQ(bar->DefaultMenuFont(), nullptr);
  EXPECT_EQ(bar->ToolTipFont(), nullptr);
  EXPECT_EQ(bar->MenuData().Count(), 0);
  EXPECT_FALSE(bar->OverTimer().Enabled());
}

TEST_F(LifecycleTest, HasFocusFollowsTheKeyboardFocus) {
  auto bar = AddBar(true);
  EXPECT_EQ(bar->HasFocus(), VARIANT_FALSE);
  SetFocus(bar->hWnd());
  EXPECT_EQ(bar->HasFocus(), VARIANT_TRUE);
  SetFocus(TheForm().hWnd());
  EXPECT_EQ(bar->HasFocus(), VARIANT_FALSE);
}

TEST_F(LifecycleTest, NothingLeaksOverAWholeLife) {
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  {
    auto bar = AddBar(true);
    bar->EndUpdate();
    bar->About();
    bar->Extender().SetWidth(3000);
    DropForm();
  }
  EXPECT_EQ(win32::SnapshotLiveObjects(), before);
}

}  // namespace
