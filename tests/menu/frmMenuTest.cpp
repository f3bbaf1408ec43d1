// The drop-down menu window as a host and a user meet it: what it carries while loaded, that
// it leaves nothing behind, that it never takes activation, its size and its place.
#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "MenuBarOnForm.h"
#include "container/ImageList.h"
#include "core/MirelMenuBar20Internals.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
#include "render/ColorScheme.h"
#include "render/MUnicodeSupport.h"
#include "render/modFontConv.h"

namespace menu_test {
namespace {

class frmMenuTest : public MenuBarOnForm {
 protected:
  void SetUp() override {
    BarOnForm::SetUp();
    BarOverBackdrop();
  }
  RECT WindowRect(HWND hWnd) {
    RECT rc{};
    GetWindowRect(hWnd, &rc);
    return rc;
  }
};

TEST_F(frmMenuTest, WhileLoadedCarriesItsMarkerAndRegistrationsAndUnloadingByMessageLeavesNothing) {
  AddFileMenu();
  const auto countsBefore = win32::SnapshotLiveObjects();
  const std::size_t hooksBefore = mHooks::HookClientCount();
  const std::size_t attachmentsBefore = voxSubClsSvr::Instance().AttachmentCount();
  HWND hWnd = Drop(1);
  ASSERT_EQ(Inside(*m_Bar).OpenMenuWindows(), std::vector<HWND>{hWnd});
  EXPECT_EQ(GetPropA(hWnd, "MirelMenuForm:ObjectPtr"), static_cast<void*>(frmMenu::FromWindow(hWnd)));
  std::array<char, 64> text{};
  GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size()));
  EXPECT_STREQ(text.data(), "voxMirelMenuPanel");
  EXPECT_TRUE(frmMenu::IsMenuWindow(hWnd));
  EXPECT_FALSE(frmMenu::IsMenuWindow(m_Form->hWnd()));
  EXPECT_TRUE(IsWindowVisible(hWnd));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(hWnd, GWL_EXSTYLE));
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_EQ(mHooks::HookClientCount(), hooksBefore + 1);
  // Its own window: 6, 15, 275, 3806; the control's window: 512, 514.
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), attachmentsBefore + 6);

  SendMessageA(hWnd, frmMenu::kMsgUnloadMenu, 0, 0);
  Desktop().DoEvents();
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(frmMenu::FromWindow(hWnd), nullptr);
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
  EXPECT_EQ(mHooks::HookClientCount(), hooksBefore);
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), attachmentsBefore);
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsBefore);
}

TEST_F(frmMenuTest, UnloadClosesTheOpenChildFirstAndLeavesNothing) {
  AddFileMenu();
  m_Bar->Menus()->Add({.Key = "Sub", .Caption = "Sub", .Style = tsSecondaryMenu, .Enabled = true})
      ->MenuItems()
      ->Add({.Caption = "Child", .Key = "Child"});
  const auto countsBefore = win32::SnapshotLiveObjects();
  HWND hParent = Drop(1);
  const RECT rcParent = WindowRect(hParent);
  MirelMenuBar20Internals::tMenuWindowRequest request;
  request.iMenu = 2;
  request.X = static_cast<float>(rcParent.right - 4) * TwipsPerPixelX();
  request.Y = static_cast<float>(rcParent.top) * TwipsPerPixelY();
  request.eKind = MenuWindowKind::SubMenu;
  request.hWndParentMenu = hParent;
  HWND hChild = Inside(*m_Bar).ShowMenuWindow(request);
  Desktop().DoEvents();
  Menu(hParent).SetOpenChildKey("Sub");
  EXPECT_EQ(Inside(*m_Bar).OpenMenuWindows(), (std::vector<HWND>{hParent, hChild}));
  Menu(hParent).Unload();
  EXPECT_FALSE(IsWindow(hChild));
  EXPECT_FALSE(IsWindow(hParent));
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsBefore);
}

TEST_F(frmMenuTest, NeverTakesActivation) {
  AddFileMenu();
  HWND hActive = GetActiveWindow();
  ASSERT_EQ(hActive, m_Form->hWnd());
  HWND hWnd = Drop(1);
  EXPECT_EQ(GetActiveWindow(), hActive);
  EXPECT_EQ(SendMessageA(hWnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hActive), 0), MA_NOACTIVATE);
  const RECT rc = WindowRect(hWnd);
  Desktop().MouseMove(rc.left + 30, rc.top + 10);
  Desktop().Click();
  EXPECT_EQ(GetActiveWindow(), hActive);
}

TEST_F(frmMenuTest, MenuLeftMarginFollowsTheLastShownMenu) {
  AddFileMenu();
  EXPECT_EQ(m_Bar->MenuLeftMargin(), 24);
  auto images = std::make_shared<ImageList>();
  win32::Surface icon;
  icon.Resize(20, 20, RGB(10, 200, 10));
  images->Images().AddSurface(Variant::Missing(), Variant::Missing(), icon);
  ctsMBImageListTypeConstants slot = imlMenuItems;
  Variant list(std::static_pointer_cast<AutomationObject>(images));
  m_Bar->SetImageList(slot, list);
  EXPECT_EQ(m_Bar->MenuLeftMargin(), 24);
  Drop(1);
  EXPECT_EQ(m_Bar->MenuLeftMargin(), 28);
  m_Bar->SetMenuLeftMargin(50);
  EXPECT_EQ(m_Bar->MenuLeftMargin(), 28);
}

// The width is margin + caption + 12 + 12 (+ 3 for the shadow); a hot key adds its own width
// and the 30-pixel column gap that keeps it clear of the caption; shadows add 3 across, 4 down.
TEST_F(frmMenuTest, WindowSizeFollowsTheWidestItemAndTheShadows) {
  auto items = AddMenu("File")->MenuItems();
  auto item = items->Add({.Caption = "Open", .Key = "Open"});
  const SIZE plain = Menu(Drop(1)).Size();
  m_Bar->HideAllMenus();
  item->HotKey("Ctrl+O");
  const SIZE withHotKey = Menu(Drop(1)).Size();
  m_Bar->HideAllMenus();
  const LONG hotKeyWidth = TextExtent(*m_Bar->DefaultMenuItemFont(), "Ctrl+O").cx;
  const LONG captionWidth = TextExtent(*m_Bar->DefaultMenuItemFont(), "Open").cx;
  EXPECT_EQ(plain.cx, 24 + captionWidth + 12 + 12 + 3);
  EXPECT_EQ(withHotKey.cx, plain.cx + hotKeyWidth + 30);
  EXPECT_EQ(withHotKey.cy, plain.cy);
  m_Bar->SetMenuShadows(VARIANT_FALSE);
  const SIZE flat = Menu(Drop(1)).Size();
  EXPECT_EQ(flat.cx, withHotKey.cx - 3);
  EXPECT_EQ(flat.cy, withHotKey.cy - 4);
}

class frmMenuPlacementTest : public frmMenuTest, public ::testing::WithParamInterface<int> {};

// A bar drop past the screen's right edge moves in; one past the bottom opens above the bar.
TEST_P(frmMenuPlacementTest, BarDropStaysOnTheScreen) {
  const int kScreenWidth = win32::kDefaultScreenWidth;
  const int kScreenHeight = win32::kDefaultScreenHeight;
  BarOverBackdrop(GetParam(), kScreenWidth - 60);
  AddFileMenu();
  HWND hWnd = Drop(1);
  RECT rc = WindowRect(hWnd);
  EXPECT_EQ(rc.right, kScreenWidth);
  EXPECT_EQ(rc.top, kFormTop + Inside(*m_Bar).BarHeight());
  EXPECT_FALSE(Menu(hWnd).OpenedUpwards());

  BarOverBackdrop(GetParam(), kFormLeft, kScreenHeight - 60);
  AddFileMenu();
  hWnd = Drop(1);
  rc = WindowRect(hWnd);
  EXPECT_EQ(rc.bottom, kScreenHeight - 60);
  EXPECT_TRUE(Menu(hWnd).OpenedUpwards());
}

INSTANTIATE_TEST_SUITE_P(Dpi, frmMenuPlacementTest, ::testing::Values(96, 120));

}  // namespace
}  // namespace menu_test
