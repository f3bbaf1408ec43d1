// The control's life as its container runs it: message interception and the keyboard hook at
// run time only, Terminate removing the window property and releasing what it holds, and
// nothing left behind.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "core/MirelMenuBar20Internals.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"

namespace {

using LifecycleTest = MenuBarTest;

TEST_F(LifecycleTest, OnlyARunTimeInstanceWatchesItsHostAndTerminateStopsThatAndReleasesWhatItHolds) {
  for (bool userMode : {false, true}) {
    auto bar = AddBar(userMode);
    EXPECT_EQ(voxSubClsSvr::Instance().IsSubclassed(bar->hWnd()), userMode);
    EXPECT_EQ(voxSubClsSvr::Instance().IsSubclassed(TheForm().hWnd()), userMode);
    EXPECT_EQ(mHooks::HookClientCount(), userMode ? 1u : 0u);
    EXPECT_EQ(mHooks::IsHookInstalled(), userMode);
  }
  auto bar = m_Bar;
  HWND hWnd = bar->hWnd();
  AddMenu("File");
  TheForm().RemoveControl(*bar);
  EXPECT_EQ(MirelMenuBar20Internals::FromWindow(hWnd), nullptr);
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), 0u);
  EXPECT_EQ(mHooks::HookClientCount(), 0u);
  EXPECT_FALSE(mHooks::IsHookInstalled());
  EXPECT_EQ(bar->DefaultMenuFont(), nullptr);
  EXPECT_EQ(bar->ToolTipFont(), nullptr);
  EXPECT_EQ(Inside(*bar).MenuData().Count(), 0);
  EXPECT_FALSE(Inside(*bar).Tracker().OverTimer().Enabled());
}

TEST_F(LifecycleTest, HasFocusFollowsTheKeyboardFocus) {
  auto bar = AddBar(true);
  SetFocus(bar->hWnd());
  EXPECT_EQ(bar->HasFocus(), VARIANT_TRUE);
  SetFocus(TheForm().hWnd());
  EXPECT_EQ(bar->HasFocus(), VARIANT_FALSE);
}

}  // namespace
