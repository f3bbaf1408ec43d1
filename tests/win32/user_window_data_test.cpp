// Window data as a control uses it: subclassing chains, styles, properties, text, relations.
#include "support/HeadlessTest.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

class WindowData : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    hwnd_ = CreateTestWindow("target", RECT{0, 0, 100, 100});
    outer_ = inner_ = 0;
  }
  HWND hwnd_ = nullptr;
  static LONG inner_;
  static LONG outer_;

  static LRESULT InnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) MessageLog::Active()->Add("inner subclass");
    return CallWindowProcA(inner_, hwnd, msg, wParam, lParam);
  }
  static LRESULT OuterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) MessageLog::Active()->Add("outer subclass");
    return CallWindowProcA(outer_, hwnd, msg, wParam, lParam);
  }
};
LONG WindowData::inner_ = 0;
LONG WindowData::outer_ = 0;

TEST_F(WindowData, SubclassChainRunsNewestFirstAndUnwindsInReverse) {
  const LONG original = GetWindowLongA(hwnd_, GWL_WNDPROC);
  inner_ = SetWindowLongA(hwnd_, GWL_WNDPROC, LongFromWndProc(InnerProc));
  outer_ = SetWindowLongA(hwnd_, GWL_WNDPROC, LongFromWndProc(OuterProc));
  EXPECT_EQ(inner_, original);
  EXPECT_EQ(WndProcFromLong(outer_), &InnerProc);

  MessageLog log;
  SendMessageA(hwnd_, WM_USER, 0, 0);
  EXPECT_TRUE(SameSequence({"outer subclass", "inner subclass", "target WM_USER"}, log.Entries()));

  // Unhooking the outer subclass restores the inner one.
  EXPECT_EQ(SetWindowLongA(hwnd_, GWL_WNDPROC, outer_), LongFromWndProc(OuterProc));
  log.Clear();
  SendMessageA(hwnd_, WM_USER, 0, 0);
  EXPECT_TRUE(SameSequence({"inner subclass", "target WM_USER"}, log.Entries()));
  SetWindowLongA(hwnd_, GWL_WNDPROC, inner_);
  EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), original);
}

TEST_F(WindowData, PropertiesAreNamedCaseInsensitivelyAndRemovable) {
  int control = 0;
  EXPECT_TRUE(SetPropA(hwnd_, "MirelMenuBar20:ObjectPtr", &control));
  EXPECT_EQ(GetPropA(hwnd_, "mirelmenubar20:objectptr"), &control);
  EXPECT_EQ(RemovePropA(hwnd_, "MirelMenuBar20:ObjectPtr"), &control);
  EXPECT_EQ(GetPropA(hwnd_, "MirelMenuBar20:ObjectPtr"), nullptr);
}

TEST_F(WindowData, TextAndClassNameInBothWidths) {
  SetWindowTextA(hwnd_, "voxMirelMenuPanel");
  char narrow[32] = {};
  EXPECT_EQ(GetWindowTextA(hwnd_, narrow, sizeof narrow), 17);
  EXPECT_STREQ(narrow, "voxMirelMenuPanel");
  WCHAR wide[8] = {};
  EXPECT_EQ(GetWindowTextW(hwnd_, wide, 8), 7);  // truncated to the buffer
  EXPECT_EQ(std::u16string(wide), u"voxMire");
  GetClassNameA(hwnd_, narrow, sizeof narrow);
  EXPECT_STREQ(narrow, kTestWindowClass);
}

TEST_F(WindowData, ParentsOwnersAndCoordinates) {
  HWND popup = CreateTestWindow("popup", RECT{200, 200, 260, 260}, kTestPopupStyle, 0, hwnd_);
  HWND child = CreateTestWindow("child", RECT{10, 20, 50, 60}, kTestChildStyle, 0, hwnd_);
  // A pop-up's parent is its owner.
  EXPECT_EQ(Values(GetParent(popup), GetParent(hwnd_), GetParent(child), GetAncestor(child, GA_ROOT)),
            Values(hwnd_, HWND{}, hwnd_, hwnd_));
  POINT pt{0, 0};
  ClientToScreen(child, &pt);
  POINT mapped{5, 5};
  MapWindowPoints(child, popup, &mapped, 1);
  EXPECT_EQ(Values(pt.x, pt.y, mapped.x, mapped.y), Values(10, 20, 10 + 5 - 200, 20 + 5 - 200));
  SetParent(child, popup);
  RECT r{};
  GetWindowRect(child, &r);
  EXPECT_EQ(Values(GetParent(child), r.left), Values(popup, 210));
}

}  // namespace
}  // namespace mirel_test
