// A menu-bar control on an active run-time form, with a focused child window that records the
// keys reaching it, and the control's MenuItemClick events written to the same log: tests type
// on the keyboard and compare what fired and what the focus window saw, in order.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "MenuBarOnForm.h"
#include "core/MirelMenuBar20.h"

namespace hotkey_test {

using Log = std::vector<std::string>;

// Writes each MenuItemClick of one control as "<name> MenuItemClick(1, mnuFile, 2, itmSave)".
class ClickRecorder : public __MirelMenuBar20 {
 public:
  ClickRecorder(std::string sName, Log& log) : m_sName(std::move(sName)), m_Log(log) {}
  void MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                     std::string MenuItemID) override;

 private:
  std::string m_sName;
  Log& m_Log;
};

// The readable name of a virtual key in the log ("F5", "S", "Esc").
std::string KeyName(int iVirtKey);

// Compares two logs; on a difference both are printed in full.
void ExpectLog(const Log& expected, const Log& actual);

// One hot key typed with one key chord, and what should come of it: "fires" (the item's
// MenuItemClick, the key swallowed), "passes" (no event, the focus window gets the key) or
// "swallowed" (neither).
struct MatchRow {
  std::string sHotKey;
  std::vector<int> modifiers;
  int iVirtKey;
  std::string sOutcome;
};

class HotKeyOnForm : public menu_test::MenuBarOnForm {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds an enabled caption item with a hot key to a menu.
  std::shared_ptr<cMenuItem> AddHotKeyItem(const std::shared_ptr<cMenu>& menu, const std::string& sKey,
                                           const std::string& sHotKey);
  // A window whose key messages are logged as "<name> WM_KEYDOWN F5"; modifier keys are left out.
  HWND CreateKeyWindow(const char* sName, HWND hWndParent);
  // Holds the modifiers, presses and releases the key, then lets the modifiers go.
  void Chord(const std::vector<int>& modifiers, int iVirtKey);
  // The log so far; the log starts empty again.
  Log TakeLog();
  // For each row: a bar holding one menu with one item carrying the row's hot key, the chord
  // typed, the outcome read from the log; the rows are compared as one table.
  void ExpectMatchTable(const std::vector<MatchRow>& rows);

  Log m_Log;
  ClickRecorder m_BarClicks{"bar", m_Log};
  HWND m_hWndFocus = nullptr;
};

}  // namespace hotkey_test
