// The control's life as its container runs it (message interception and the keyboard hook at
// run time only, Terminate removing the window property and releasing what it holds) and its
// methods as a host calls them: SetImageList's argument kinds and the about box.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "container/ImageList.h"
#include "core/MirelMenuBar20Internals.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
#include "support/ImageLists.h"
#include "win32/objcount.h"

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

using MethodsTest = MenuBarTest;

constexpr std::int32_t kImageListError = static_cast<std::int32_t>(0x80040419);

TEST_F(MethodsTest, SetImageListTakesHandlesAndImageListObjects) {
  auto bar = AddBar();
  const auto control = ImageListOf<ImageList>(24, 24, 1);
  const auto other = ImageListOf<MirelImageList>(20, 18, 1);
  const auto byHandle = ImageListOf<ImageList>(16, 15, 2);
  const struct {
    const char* what;
    ctsMBImageListTypeConstants slot;
    Variant argument;
    HIMAGELIST list;
    const char* slotAfter;
  } cases[] = {
      {"a handle", imlToolItems, Variant::Long(HandleToLong(byHandle->hImageList())), byHandle->hImageList(),
       "handle=list object=no 16x15"},
      {"zero clears", imlToolItems, Variant::Long(0), nullptr, "handle=0 object=no"},
      {"the image-list control is kept", imlMenuHeader, Variant(control), control->hImageList(),
       "handle=list object=yes 24x24"},
      {"another image-list object lends its handle", imlMenuItems, Variant(other), other->hImageList(),
       "handle=list object=no 20x18"},
      {"an empty image list", imlToolItems, Variant(std::make_shared<ImageList>()), nullptr, "handle=0 object=no"},
  };
  for (const auto& c : cases) {
    ctsMBImageListTypeConstants slot = c.slot;
    Variant argument = c.argument;
    bar->SetImageList(slot, argument);
    EXPECT_EQ(DescribeSlot(Inside(*bar).ImageListSlot(c.slot), c.list), c.slotAfter) << c.what;
  }
}

TEST_F(MethodsTest, SetImageListWithAStringAnIntegerOrOutsideTheFourSlotsRaises) {
  auto bar = AddBar();
  auto list = ImageListOf<ImageList>(16, 16, 1);
  ctsMBImageListTypeConstants slot = imlToolItems;
  Variant handle = Variant::Long(HandleToLong(list->hImageList()));
  bar->SetImageList(slot, handle);
  Variant text("Images");
  EXPECT_EQ(ErrorFrom([&] { bar->SetImageList(slot, text); }),
            (RaisedError{kImageListError, "MirelSuiteMenuBar.voxMirelMBar20",
                         "ImageList property expects MirelImageList object or Long hImageList handle."}));
  EXPECT_EQ(Inside(*bar).ImageListSlot(imlToolItems).hImageList, 0) << "the slot is left cleared";
  Variant integer = Variant::Integer(static_cast<std::int16_t>(HandleToLong(list->hImageList())));
  EXPECT_EQ(ErrorFrom([&] { bar->SetImageList(slot, integer); }).number, kImageListError)
      << "a 16-bit integer is no handle";

  Variant zero = Variant::Long(0);
  auto unnamed = static_cast<ctsMBImageListTypeConstants>(3);
  bar->SetImageList(unnamed, zero);
  auto outside = static_cast<ctsMBImageListTypeConstants>(4);
  EXPECT_EQ(ErrorOf([&] { bar->SetImageList(outside, zero); }), 9);
}

TEST_F(MethodsTest, AboutShowsOneWindowThatClosesOnEscapeOrGoesWithTheControlLeavingNothing) {
  auto bar = AddBar();
  const long windowsBefore = win32::LiveObjects(win32::ObjectKind::Window);
  bar->About();
  bar->About();  // the open box comes to the top, no second box
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Window), windowsBefore + 1);
  HWND about = GetForegroundWindow();
  char title[64] = {};
  GetWindowTextA(about, title, sizeof title);
  EXPECT_STREQ(title, "About MirelMenuBar20");
  ASSERT_TRUE(Desktop().SaveWindowPng(about, "core_about_box.png"));
  Desktop().KeyPress(VK_ESCAPE);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Window), windowsBefore);

  bar->About();
  about = GetForegroundWindow();
  TheForm().RemoveControl(*bar);
  EXPECT_FALSE(IsWindow(about));
  bar.reset();
  DropForm();
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_) << "nothing left over a whole life";
}

}  // namespace
