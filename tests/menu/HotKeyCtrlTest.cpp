// Hot keys typed with Ctrl held: Ctrl combinations of the items of enabled, visible menus,
// named by the first character after their last "+", with Shift and Alt asked for by name.
#include "HotKeyTestFixture.h"

#include <functional>

#include "win32/desktop.h"

using namespace hotkey_test;

namespace {

constexpr int kF5 = VK_F1 + 4;

using HotKeyCtrlTest = HotKeyOnForm;

TEST_F(HotKeyCtrlTest, CtrlCombinationMatching) {
  ExpectMatchTable({
      {"Ctrl+S", {VK_CONTROL}, 'S', "fires"},
      {"Ctrl+S", {VK_CONTROL, VK_SHIFT}, 'S', "passes"},       // Shift held must be named
      {"Ctrl+Shift+S", {VK_CONTROL, VK_SHIFT}, 'S', "fires"},
      {"Ctrl+Shift+S", {VK_CONTROL}, 'S', "fires"},            // naming a key not held does no harm
      {"Shift+Ctrl+S", {VK_CONTROL, VK_SHIFT}, 'S', "fires"},
      {"Ctrl+Alt+S", {VK_CONTROL, VK_MENU}, 'S', "fires"},
      {"Ctrl+S", {VK_CONTROL, VK_MENU}, 'S', "passes"},        // Alt held must be named
      {"Ctrl+Alt+S", {VK_CONTROL}, 'S', "fires"},
      {"Ctrl+F5", {VK_CONTROL}, 'F', "fires"},                 // only the first character counts
      {"Ctrl+F5", {VK_CONTROL}, kF5, "passes"},
      // A key counts by the character it types: function keys type none, number-pad keys
      // their digit or operator (their codes read as characters would be s, v, x, z and c).
      {"Ctrl+T", {VK_CONTROL}, kF5, "passes"},
      {"Ctrl+S", {VK_CONTROL}, VK_F1 + 3, "passes"},
      {"Ctrl+V", {VK_CONTROL}, VK_F1 + 6, "passes"},
      {"Ctrl+X", {VK_CONTROL}, VK_F1 + 8, "passes"},
      {"Ctrl+Z", {VK_CONTROL}, VK_F1 + 10, "passes"},
      {"Ctrl+C", {VK_CONTROL}, VK_NUMPAD0 + 3, "passes"},
      {"Ctrl+3", {VK_CONTROL}, VK_NUMPAD0 + 3, "fires"},
      {"Ctrl+*", {VK_CONTROL}, VK_MULTIPLY, "fires"},
      {"CtrlS", {VK_CONTROL}, 'S', "passes"},                  // no "+"
      {"ctrl+S", {VK_CONTROL}, 'S', "passes"},                 // words compare case-sensitively
      {"Ctrl+s", {VK_CONTROL}, 'S', "fires"},                  // the key character is upper-cased
      {"Ctrl+1", {VK_CONTROL}, '1', "fires"},
      {"Ctrl+=", {VK_CONTROL}, VK_OEM_PLUS, "fires"},
      {"Ctrl+", {VK_CONTROL}, 'S', "passes"},
      {"S", {VK_CONTROL}, 'S', "passes"},
  });
}

TEST_F(HotKeyCtrlTest, EscIsSwallowedEnterAndArrowsPass) {
  AddHotKeyItem(AddMenu("mnuFile"), "itmSave", "Ctrl+S");

  Chord({VK_CONTROL}, VK_ESCAPE);
  Chord({VK_CONTROL}, VK_RETURN);
  Chord({VK_CONTROL}, VK_DOWN);
  Chord({VK_CONTROL}, VK_LEFT);

  ExpectLog(
      {
          "focus WM_KEYUP Esc",
          "focus WM_KEYDOWN Enter",
          "focus WM_KEYUP Enter",
          "focus WM_KEYDOWN Down",
          "focus WM_KEYUP Down",
          "focus WM_KEYDOWN Left",
          "focus WM_KEYUP Left",
      },
      TakeLog());
}

// A disabled or hidden item still claims its key, so nothing fires; the items of a disabled
// or hidden menu are skipped, so the next menu's item fires.
TEST_F(HotKeyCtrlTest, DisabledOrHiddenItemsClaimTheirKeyAndItemsOfDisabledOrHiddenMenusAreSkipped) {
  const auto file = AddMenu("mnuFile");
  const auto save = AddHotKeyItem(file, "itmSave", "Ctrl+S");
  AddHotKeyItem(AddMenu("mnuEdit"), "itmStore", "Ctrl+S");
  const auto pressWith = [this](const std::function<void(bool)>& set) {
    set(false);
    Chord({VK_CONTROL}, 'S');
    set(true);
  };
  pressWith([&](bool on) { save->Enabled(on); });
  pressWith([&](bool on) { save->Visible(on); });
  pressWith([&](bool on) { file->Enabled(on); });
  pressWith([&](bool on) { file->Visible(on); });
  Chord({VK_CONTROL}, 'S');

  ExpectLog(
      {
          "focus WM_KEYUP S",
          "focus WM_KEYUP S",
          "bar MenuItemClick(2, mnuEdit, 1, itmStore)",
          "focus WM_KEYUP S",
          "bar MenuItemClick(2, mnuEdit, 1, itmStore)",
          "focus WM_KEYUP S",
          "bar MenuItemClick(1, mnuFile, 1, itmSave)",
          "focus WM_KEYUP S",
      },
      TakeLog());
}

}  // namespace
