#include "HotKeyTestFixture.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "support/MessageLog.h"
#include "win32/desktop.h"

namespace hotkey_test {
namespace {

constexpr int kF5 = VK_F1 + 4;
constexpr int kF6 = VK_F1 + 5;
constexpr int kNumPad5 = VK_NUMPAD0 + 5;
constexpr RECT kKeyWindowRect{10, 60, 210, 160};

bool IsModifier(int iVirtKey) { return iVirtKey == VK_SHIFT || iVirtKey == VK_CONTROL || iVirtKey == VK_MENU; }

const char* KeyMessageName(UINT iMsg) {
  switch (iMsg) {
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP: return "WM_SYSKEYUP";
    default: return nullptr;
  }
}

std::string ChordName(const std::vector<int>& modifiers, int iVirtKey) {
  std::string sName;
  for (int iModifier : modifiers) {
    sName += iModifier == VK_CONTROL ? "Ctrl+" : iModifier == VK_SHIFT ? "Shift+" : "Alt+";
  }
  return sName + KeyName(iVirtKey);
}

bool HasEntry(const Log& log, const std::string& sPart) {
  return std::any_of(log.begin(), log.end(), [&](const std::string& e) { return e.find(sPart) != std::string::npos; });
}

// What came of one chord, read from its log.
std::string Outcome(const Log& log) {
  const bool bFired = HasEntry(log, "MenuItemClick");
  const bool bPassed = HasEntry(log, "KEYDOWN");
  if (bFired && bPassed) return "fires and passes";
  if (bFired) return "fires";
  return bPassed ? "passes" : "swallowed";
}

}  // namespace

void ClickRecorder::MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                  std::string MenuItemID) {
  m_Log.push_back(m_sName + " MenuItemClick(" + std::to_string(MenuIndex) + ", " + MenuID + ", " +
                  std::to_string(MenuItemIndex) + ", " + MenuItemID + ")");
}

std::string KeyName(int iVirtKey) {
  static const std::map<int, std::string> kNames = {
      {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"}, {VK_DOWN, "Down"}, {VK_LEFT, "Left"}, {VK_DELETE, "Del"},
      {kNumPad5, "N5"}, {VK_OEM_PLUS, "="},   {kF5, "F5"},       {kF6, "F6"},
  };
  if (const auto it = kNames.find(iVirtKey); it != kNames.end()) return it->second;
  return std::string(1, static_cast<char>(iVirtKey));
}

void ExpectLog(const Log& expected, const Log& actual) { EXPECT_TRUE(mirel_test::SameSequence(expected, actual)); }

void HotKeyOnForm::SetUp() {
  MenuBarOnForm::SetUp();
  mirel_test::RegisterTestWindowClass();
  m_hWndFocus = CreateKeyWindow("focus", m_Form->hWnd());
  SetFocus(m_hWndFocus);
  m_Bar->Connect(&m_BarClicks);
}

void HotKeyOnForm::TearDown() {
  m_Bar->Disconnect(&m_BarClicks);
  MenuBarOnForm::TearDown();
}

std::shared_ptr<cMenuItem> HotKeyOnForm::AddHotKeyItem(const std::shared_ptr<cMenu>& menu, const std::string& sKey,
                                                       const std::string& sHotKey) {
  return menu->MenuItems()->Add({.Caption = sKey, .Key = sKey, .HotKey = sHotKey});
}

HWND HotKeyOnForm::CreateKeyWindow(const char* sName, HWND hWndParent) {
  const DWORD style = hWndParent != nullptr ? mirel_test::kTestChildStyle : mirel_test::kTestPopupStyle;
  HWND hWnd = mirel_test::CreateTestWindow(sName, kKeyWindowRect, style, 0, hWndParent);
  const std::string sWindow = sName;
  mirel_test::SetTestHandler(hWnd, [this, sWindow](HWND, UINT iMsg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    const int iVirtKey = static_cast<int>(wParam);
    if (const char* sMessage = KeyMessageName(iMsg); sMessage != nullptr && !IsModifier(iVirtKey))
      m_Log.push_back(sWindow + " " + sMessage + " " + KeyName(iVirtKey));
    return std::nullopt;
  });
  return hWnd;
}

void HotKeyOnForm::Chord(const std::vector<int>& modifiers, int iVirtKey) {
  win32::Desktop& desktop = win32::TheDesktop();
  for (int iModifier : modifiers) desktop.KeyDown(iModifier);
  desktop.KeyPress(iVirtKey);
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) desktop.KeyUp(*it);
}

Log HotKeyOnForm::TakeLog() { return std::exchange(m_Log, {}); }

void HotKeyOnForm::ExpectMatchTable(const std::vector<MatchRow>& rows) {
  Log expected;
  Log actual;
  for (const MatchRow& row : rows) {
    Menus()->Clear();
    AddHotKeyItem(AddMenu("mnuFile"), "itmFile", row.sHotKey);
    TakeLog();
    Chord(row.modifiers, row.iVirtKey);
    const std::string sRow = "\"" + row.sHotKey + "\" on " + ChordName(row.modifiers, row.iVirtKey) + ": ";
    expected.push_back(sRow + row.sOutcome);
    actual.push_back(sRow + Outcome(TakeLog()));
  }
  ExpectLog(expected, actual);
}

}  // namespace hotkey_test
