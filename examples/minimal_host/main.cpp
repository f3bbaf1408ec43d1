// A minimal host of the menu-bar control: a form with the control, two menus built through
// the object model and an event sink. It runs headless: a mouse click drops the File menu,
// the screen is saved to a PNG, the item's mnemonic key chooses "Open..." and the sink prints
// the MenuItemClick it receives.
//   minimal_host <screenshot.png>
// Exit status 0 when the click arrived and the PNG was written.
#include <cstdio>
#include <string>

#include "container/Form.h"
#include "container/Screen.h"
#include "core/MirelMenuBar20.h"
#include "core/automation/cMenu.h"
#include "core/automation/cMenuItems.h"
#include "core/automation/cMenus.h"
#include "win32/desktop.h"
#include "win32/windows.h"

namespace {

constexpr int kFormWidth = 400;
constexpr int kFormHeight = 240;
constexpr float kBarHeightTwips = 375;
constexpr int kFileCaptionX = 24;  // pixels into the bar: on "File", right of the gripper

// The host's side of the control's events: it overrides only what it handles.
class Sink : public __MirelMenuBar20 {
 public:
  void MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                     std::string MenuItemID) override {
    std::printf("MenuItemClick %d %s %d %s\n", MenuIndex, MenuID.c_str(), MenuItemIndex, MenuItemID.c_str());
    ++clicks;
  }
  void MenuOnDrop(std::int16_t MenuIndex, std::string MenuID) override {
    std::printf("MenuOnDrop %d %s\n", MenuIndex, MenuID.c_str());
  }
  int clicks = 0;
};

void BuildMenus(MirelMenuBar20& bar) {
  auto file = bar.Menus()->Add({.Key = "File", .Caption = "&File", .Enabled = true});
  file->MenuItems()->Add({.Caption = "&New", .Key = "New", .HotKey = "Ctrl+N"});
  file->MenuItems()->Add({.Caption = "&Open...", .Key = "Open", .HotKey = "Ctrl+O"});
  file->MenuItems()->Add({.Style = tsMenuSeperator});
  file->MenuItems()->Add({.Caption = "E&xit", .Key = "Exit"});
  auto help = bar.Menus()->Add({.Key = "Help", .Caption = "&Help", .Enabled = true});
  help->MenuItems()->Add({.Caption = "&About", .Key = "About"});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <screenshot.png>\n", argv[0]);
    return 2;
  }
  win32::TheDesktop().Reset({.width = kFormWidth, .height = kFormHeight});
  Sink sink;
  bool saved = false;
  {
    Form form({.caption = "Minimal host", .width = kFormWidth, .height = kFormHeight});
    form.Show();
    auto bar = form.AddControl<MirelMenuBar20>(
        {.name = "MirelMenuBar201", .width = kFormWidth * TwipsPerPixelX(), .height = kBarHeightTwips});
    bar->Connect(&sink);
    BuildMenus(*bar);
    bar->EndUpdate();

    // A user clicks "File", looks at the menu, then presses O for "Open...".
    RECT bar_rect{};
    GetWindowRect(bar->hWnd(), &bar_rect);
    win32::Desktop& desktop = win32::TheDesktop();
    desktop.MouseMove(bar_rect.left + kFileCaptionX, (bar_rect.top + bar_rect.bottom) / 2);
    desktop.Click();
    saved = desktop.SaveScreenPng(argv[1]);
    desktop.KeyPress('O');
    form.Unload();
  }
  return saved && sink.clicks == 1 ? 0 : 1;
}
