// The control's methods as a host calls them: SetImageList's argument kinds, the about box,
// PopUpMenu's checks, HideAllMenus and ClearAll.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "container/AutomationError.h"
#include "container/ImageList.h"
#include "win32/objcount.h"

namespace {

using MethodsTest = MenuBarTest;

constexpr std::int32_t kImageListError = static_cast<std::int32_t>(0x80040419);

std::shared_ptr<ImageList> ImageListOf(int width, int height, int count) {
  auto list = std::make_shared<ImageList>();
  win32::Surface image;
  image.Resize(width, height, RGB(200, 10, 10));
  for (int i = 0; i < count; ++i) list->Images().AddSurface(Variant::Missing(), Variant::Missing(), image);
  return list;
}

void AddMenu(MirelMenuBar20& bar, const char* key) {
  MenuAddArgs args;
  args.Key = key;
  args.Caption = key;
  args.Enabled = true;
  bar.Menus()->Add(args);
}

TEST_F(MethodsTest, SetImageListTakesAHandleAndZeroClearsTheSlot) {
  auto bar = AddBar();
  auto list = ImageListOf(16, 15, 2);
  const std::int32_t handle = HandleToLong(list->hImageList());
  ctsMBImageListTypeConstants slot = imlToolItems;
  Variant argument = Variant::Long(handle);
  bar->SetImageList(slot, argument);
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).hImageList, handle);
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).iImageWidth, 16);
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).iImageHeight, 15);
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).oImageList, nullptr);
  Variant zero(0);
  bar->SetImageList(slot, zero);
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).hImageList, 0);
}

TEST_F(MethodsTest, SetImageListKeepsTheImageListControlAndItsSize) {
  auto bar = AddBar();
  auto list = ImageListOf(24, 24, 1);
  ctsMBImageListTypeConstants slot = imlMenuHeader;
  Variant argument(list);
  bar->SetImageList(slot, argument);
  const tImageListSlot& attached = bar->ImageListSlot(imlMenuHeader);
  EXPECT_EQ(attached.hImageList, HandleToLong(list->hImageList()));
  EXPECT_EQ(attached.oImageList, list);
  EXPECT_EQ(attached.iImageWidth, 24);
  EXPECT_EQ(attached.iImageHeight, 24);
}

TEST_F(MethodsTest, SetImageListWithAnotherImageListObjectKeepsOnlyTheHandle) {
  auto bar = AddBar();
  auto list = std::make_shared<MirelImageList>();
  win32::Surface image;
  image.Resize(20, 18, RGB(0, 0, 255));
  list->Images().AddSurface(Variant::Missing(), Variant::Missing(), image);
  ctsMBImageListTypeConstants slot = imlMenuItems;
  Variant argument(list);
  bar->SetImageList(slot, argument);
  EXPECT_EQ(bar->ImageListSlot(imlMenuItems).hImageList, HandleToLong(list->hImageList()));
  EXPECT_EQ(bar->ImageListSlot(imlMenuItems).oImageList, nullptr);
  EXPECT_EQ(bar->ImageListSlot(imlMenuItems).iImageWidth, 20);
  EXPECT_EQ(bar->ImageListSlot(imlMenuItems).iImageHeight, 18);
}

TEST_F(MethodsTest, SetImageListWithAnEmptyImageListGivesHandleZero) {
  auto bar = AddBar();
  ctsMBImageListTypeConstants slot = imlToolItems;
  Variant argument(std::make_shared<ImageList>());
  bar->SetImageList(slot, argument);
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).hImageList, 0);
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).oImageList, nullptr);
}

TEST_F(MethodsTest, SetImageListWithAStringRaisesTheImageListErrorAndLeavesTheSlotCleared) {
  auto bar = AddBar();
  auto list = ImageListOf(16, 16, 1);
  ctsMBImageListTypeConstants slot = imlToolItems;
  Variant handle = Variant::Long(HandleToLong(list->hImageList()));
  bar->SetImageList(slot, handle);
  Variant text("Images");
  try {
    bar->SetImageList(slot, text);
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), kImageListError);
    EXPECT_EQ(error.Source(), "MirelSuiteMenuBar.voxMirelMBar20");
    EXPECT_EQ(error.Description(), "ImageList property expects MirelImageList object or Long hImageList handle.");
  }
  EXPECT_EQ(bar->ImageListSlot(imlToolItems).hImageList, 0);
}

TEST_F(MethodsTest, SetImageListOutsideTheFourSlotsIsASubscriptError) {
  auto bar = AddBar();
  Variant zero(0);
  auto unnamed = static_cast<ctsMBImageListTypeConstants>(3);
  bar->SetImageList(unnamed, zero);
  auto outside = static_cast<ctsMBImageListTypeConstants>(4);
  try {
    bar->SetImageList(outside, zero);
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 9);
  }
}

TEST_F(MethodsTest, AboutShowsAWindowThatClosesOnEscape) {
  auto bar = AddBar();
  const long windowsBefore = win32::LiveObjects(win32::ObjectKind::Window);
  bar->About();
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Window), windowsBefore + 1);
  HWND about = GetForegroundWindow();
  char title[64] = {};
  GetWindowTextA(about, title, sizeof title);
  EXPECT_STREQ(title, "About MirelMenuBar20");
  ASSERT_TRUE(Desktop().SaveWindowPng(about, "core_about_box.png"));
  Desktop().KeyPress(0x1B);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Window), windowsBefore);
}

TEST_F(MethodsTest, AboutBoxGoesWithTheControl) {
  auto bar = AddBar();
  const long windowsBefore = win32::LiveObjects(win32::ObjectKind::Window);
  bar->About();
  HWND about = GetForegroundWindow();
  bar->About();  // the open box comes to the top, no second box
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Window), windowsBefore + 1);
  TheForm().RemoveControl(*bar);
  EXPECT_FALSE(IsWindow(about));
}

TEST_F(MethodsTest, PopUpMenuOpensOnlyAKnownKeyInPopUpMode) {
  auto bar = AddBar();
  AddMenu(*bar, "File");
  AddMenu(*bar, "Edit");
  std::vector<std::string> opened;
  bar->SetPopUpOpener([&](int iMenu, float X, float Y) {
    opened.push_back(std::to_string(iMenu) + " " + std::to_string(static_cast<int>(X)) + " " +
                     std::to_string(static_cast<int>(Y)) + (bar->PopUpMode() ? " popup" : ""));
  });
  bar->PopUpMenu("edit", 10, 20);
  bar->PopUpMenu("Edit", 1500, 3000);
  EXPECT_TRUE(SameTable({"2 1500 3000 popup"}, opened));
  EXPECT_FALSE(bar->PopUpMode());
}

TEST_F(MethodsTest, PopUpMenuWhileAMenuIsOpenClosesTheMenusInstead) {
  auto bar = AddBar();
  AddMenu(*bar, "File");
  int openings = 0;
  bar->SetPopUpOpener([&](int, float, float) { ++openings; });
  WNDCLASSA menuClass{};
  menuClass.lpfnWndProc = &DefWindowProcA;
  menuClass.lpszClassName = "CoreTestOpenMenu";
  RegisterClassA(&menuClass);
  HWND openMenu = CreateWindowExA(WS_EX_TOPMOST, "CoreTestOpenMenu", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
  ASSERT_NE(openMenu, nullptr);
  bar->OpenMenuWindows().push_back(openMenu);
  bar->PopUpMenu("File", 0, 0);
  EXPECT_EQ(openings, 0);
  EXPECT_FALSE(IsWindow(openMenu));
  EXPECT_TRUE(bar->OpenMenuWindows().empty());
  bar->PopUpMenu("File", 0, 0);
  EXPECT_EQ(openings, 1);
}

TEST_F(MethodsTest, ClearAllErasesTheMenusAndRepaintsOnceButDoesNothingWhenEmpty) {
  auto bar = AddBar();
  bar->EndUpdate();
  long count = bar->PaintCount();
  bar->ClearAll();
  EXPECT_EQ(bar->PaintCount(), count);
  AddMenu(*bar, "File");
  AddMenu(*bar, "Edit");
  count = bar->PaintCount();
  bar->ClearAll();
  EXPECT_EQ(bar->Menus()->Count(), 0);
  EXPECT_EQ(bar->PaintCount(), count + 1);
}

}  // namespace
