// A window's life as a host meets it, in steps, from creation to destruction (owned windows
// first, WM_DESTROY parent first, WM_NCDESTROY child first) with no leaks; window data.
#include "Steps.h"
#include "support/Pixels.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

constexpr UINT kStep = WM_USER + 1;
constexpr UINT kSteps = 3;
constexpr RECT kMainRect{10, 10, 210, 160};
constexpr RECT kPopupRect{50, 50, 120, 90};
constexpr char kMainHolds[] = "active main, focus main, capture none";

using WindowMessages = HeadlessTest;

// The window's rectangle as text: the client area (from 0,0) or the window on the screen.
std::string Rect(HWND hwnd, BOOL (*get)(HWND, RECT*)) {
  RECT r{};
  get(hwnd, &r);
  return RectText(r);
}

TEST_F(WindowMessages, ATopLevelWindowsLifeFromCreationToDestruction) {
  HWND main = nullptr;
  HWND child = nullptr;
  HWND grandchild = nullptr;
  HWND popup = nullptr;
  HWND dialog = nullptr;
  const auto doEvents = [this] { Desktop().DoEvents(); };
  EXPECT_TRUE(RunSteps({
      {"create visible", [&] { main = CreateTestWindow("main", kMainRect); },
       {"main WM_NCCREATE", "main WM_CREATE", "main WM_SIZE", "main WM_MOVE", "main WM_SHOWWINDOW",
        "main WM_WINDOWPOSCHANGING", "main WM_ACTIVATEAPP", "main WM_NCACTIVATE", "main WM_ACTIVATE",
        "main WM_SETFOCUS", "main WM_WINDOWPOSCHANGED", kMainHolds}},
      {"first paint", doEvents, {"main WM_PAINT", "main WM_ERASEBKGND", kMainHolds}},
      {"move", [&] { MoveWindow(main, 20, 10, 200, 150, TRUE); },
       {"main WM_WINDOWPOSCHANGING", "main WM_WINDOWPOSCHANGED", "main WM_MOVE", kMainHolds}},
      {"size", [&] {
         SetWindowPos(main, nullptr, 0, 0, 220, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
         Note("client " + Rect(main, GetClientRect));
       },
       {"main WM_WINDOWPOSCHANGING", "main WM_WINDOWPOSCHANGED", "main WM_SIZE", "= client 0,0-220,160", kMainHolds}},
      {"sized windows paint again", doEvents, {"main WM_PAINT", "main WM_ERASEBKGND", kMainHolds}},
      {"posted chain, then the paint", [&] {
         SetTestHandler(main, [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
           if (msg == kStep && wParam < kSteps) PostMessageA(hwnd, kStep, wParam + 1, 0);
           return std::nullopt;
         });
         InvalidateRect(main, nullptr, TRUE);
         PostMessageA(main, kStep, 1, 0);
         Desktop().DoEvents();
         SetTestHandler(main, nullptr);
       },
       {"main 0x401", "main 0x401", "main 0x401", "main WM_PAINT", "main WM_ERASEBKGND", kMainHolds}},
      {"quit stays for the outer loop", [&] {
         PostMessageA(main, kStep, kSteps, 0);
         PostQuitMessage(3);
         Desktop().DoEvents();  // a nested loop must not eat the quit
         MSG msg{};
         const BOOL result = GetMessageA(&msg, nullptr, 0, 0);
         Note("GetMessage " + std::to_string(result) + " " + MessageName(msg.message) + " " + std::to_string(msg.wParam));
       },
       {"main 0x401", "= GetMessage 0 WM_QUIT 3", kMainHolds}},
      {"peek without removing", [&] {
         PostMessageA(main, kStep, kSteps, 0);
         MSG msg{};
         for (UINT flags : {PM_NOREMOVE, PM_REMOVE, PM_REMOVE}) Note("peeked " + std::to_string(PeekMessageA(&msg, main, kStep, kStep, flags)));
       },
       {"= peeked 1", "= peeked 1", "= peeked 0", kMainHolds}},
      {"disable twice, enable", [&] {
         Note("was disabled " + std::to_string(EnableWindow(main, FALSE)));
         Note("was disabled " + std::to_string(EnableWindow(main, FALSE)));
         Note("was disabled " + std::to_string(EnableWindow(main, TRUE)));
       },
       {"main WM_KILLFOCUS", "main WM_ENABLE", "= was disabled 0", "= was disabled 1", "main WM_ENABLE",
        "= was disabled 1", "active main, focus none, capture none"}},
      {"focus back", [&] { SetFocus(main); }, {"main WM_SETFOCUS", kMainHolds}},
      {"create a child", [&] {
         child = CreateTestWindow("child", RECT{5, 5, 105, 65}, kTestChildStyle, 0, main);
         Note("parent " + NameOf(GetParent(child)) + ", at " + Rect(child, GetWindowRect));
       },
       {"child WM_NCCREATE", "child WM_CREATE", "child WM_SIZE", "child WM_MOVE", "= parent main, at 25,15-125,75",
        kMainHolds}},
      {"focus to the child", [&] { SetFocus(child); },
       {"main WM_KILLFOCUS", "child WM_SETFOCUS", "active main, focus child, capture none"}},
      {"an owned pop-up and a grandchild holding the capture", [&] {
         grandchild = CreateTestWindow("grandchild", RECT{2, 2, 32, 22}, kTestChildStyle, 0, child);
         popup = CreateTestWindow("popup", kPopupRect, kTestPopupStyle, 0, main);
         dialog = CreateTestWindow("dialog", kPopupRect, kTestPopupStyle, 0, main);
         Note("owner " + NameOf(GetWindow(popup, GW_OWNER)));
         SetCapture(grandchild);
         SetTimer(child, 1, 100, nullptr);
         SetPropA(main, "Key", &main);
       },
       {"= owner main", "active dialog, focus dialog, capture grandchild"}, {"none"}},
      {"destroying the active pop-up activates its owner", [&] { DestroyWindow(dialog); },
       {"dialog WM_NCACTIVATE", "dialog WM_ACTIVATE", "dialog WM_KILLFOCUS", "main WM_NCACTIVATE", "main WM_ACTIVATE",
        "main WM_SETFOCUS", "active main, focus main, capture grandchild"},
       {"WM_NCACTIVATE", "WM_ACTIVATE", "WM_SETFOCUS", "WM_KILLFOCUS"}},
      {"destroy", [&] { Note("destroyed " + std::to_string(DestroyWindow(main))); },
       {"popup WM_DESTROY", "popup WM_NCDESTROY", "grandchild WM_CAPTURECHANGED", "main WM_DESTROY", "child WM_DESTROY",
        "grandchild WM_DESTROY", "grandchild WM_NCDESTROY", "child WM_NCDESTROY", "main WM_NCDESTROY", "= destroyed 1",
        "active none, focus none, capture none"},
       {"WM_DESTROY", "WM_NCDESTROY", "WM_CAPTURECHANGED"}},
  }));
  for (HWND h : {main, child, grandchild, popup, dialog}) EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

TEST_F(WindowMessages, CreationRefusedAndModalLoopsCloseLeavingNothing) {
  WNDCLASSA wc{};
  wc.lpszClassName = "Refuser";
  wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    return msg == WM_CREATE ? -1 : DefWindowProcA(hwnd, msg, wParam, lParam);
  };
  ASSERT_NE(RegisterClassA(&wc), 0);
  EXPECT_EQ(CreateWindowExA(0, "Refuser", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);

  // A modal window runs its own GetMessage loop until it is destroyed; headless and idle,
  // GetMessageA answers WM_QUIT instead of blocking.
  HWND owner = CreateTestWindow("owner", RECT{0, 0, 60, 60});
  const auto runModal = [owner](bool scriptClose) {
    HWND dialog = CreateTestWindow("dialog", RECT{10, 10, 50, 50}, kTestPopupStyle, 0, owner);
    if (scriptClose) PostMessageA(dialog, WM_CLOSE, 0, 0);  // WM_CLOSE destroys through the default procedure
    MSG msg{};
    while (IsWindow(dialog) && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    const bool closedByInput = !IsWindow(dialog);
    DestroyWindow(dialog);
    return closedByInput;
  };
  EXPECT_TRUE(runModal(true));
  EXPECT_FALSE(runModal(false));
  MSG msg{};
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
  DestroyWindow(owner);
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

// Window data as a control uses it: properties named case-insensitively, text in both widths
// (truncated to the buffer), parents, owners and coordinates. (The class name is read by the
// colour picker's test, reparenting by the band tests of hosted controls.)
TEST_F(WindowMessages, PropertiesTextAndRelations) {
  HWND hwnd = CreateTestWindow("target", RECT{0, 0, 100, 100});
  int control = 0;
  EXPECT_TRUE(SetPropA(hwnd, "MirelMenuBar20:ObjectPtr", &control));
  EXPECT_EQ(GetPropA(hwnd, "mirelmenubar20:objectptr"), &control);
  EXPECT_EQ(RemovePropA(hwnd, "MirelMenuBar20:ObjectPtr"), &control);
  EXPECT_EQ(GetPropA(hwnd, "MirelMenuBar20:ObjectPtr"), nullptr);

  SetWindowTextA(hwnd, "voxMirelMenuPanel");
  char narrow[32] = {};
  WCHAR wide[8] = {};
  EXPECT_EQ(Values(GetWindowTextA(hwnd, narrow, sizeof narrow), narrow, GetWindowTextW(hwnd, wide, 8)), "17 voxMirelMenuPanel 7");
  EXPECT_EQ(std::u16string(wide), u"voxMire");

  HWND popup = CreateTestWindow("popup", RECT{200, 200, 260, 260}, kTestPopupStyle, 0, hwnd);
  HWND child = CreateTestWindow("child", RECT{10, 20, 50, 60}, kTestChildStyle, 0, hwnd);
  // A pop-up's parent is its owner.
  EXPECT_EQ(Values(GetParent(popup), GetParent(hwnd), GetParent(child), GetAncestor(child, GA_ROOT)),
            Values(hwnd, HWND{}, hwnd, hwnd));
  POINT pt{0, 0};
  ClientToScreen(child, &pt);
  POINT mapped{5, 5};
  MapWindowPoints(child, popup, &mapped, 1);
  EXPECT_EQ(Values(pt.x, pt.y, mapped.x, mapped.y), Values(10, 20, 10 + 5 - 200, 20 + 5 - 200));
}

}  // namespace
}  // namespace mirel_test
