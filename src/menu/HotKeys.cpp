#include "menu/HotKeys.h"

#include <string>

#include "common/HotKeyNameTable.h"
#include "menu/Mnemonic.h"
#include "render/TextEncoding.h"
#include "win32/windows.h"

namespace HotKeys {
namespace {

constexpr std::string_view kCtrlWord = "Ctrl";
constexpr std::string_view kShiftWord = "Shift";
constexpr std::string_view kAltWord = "Alt";
constexpr std::string_view kJoiner = "+";

bool Contains(std::string_view sText, std::string_view sWord) { return sText.find(sWord) != std::string_view::npos; }


// The table name of a virtual key; keys outside the table have none.
std::string_view KeyName(std::int16_t iVirtKey) {
  if (iVirtKey < HotKeyNameTable::kLowerIndex || iVirtKey > HotKeyNameTable::kUpperBound) return {};
  return HotKeyNameTable::Name(iVirtKey);
}

// The key character of a Ctrl combination (Windows-1252), 0 when nothing follows the last "+".
unsigned char CtrlKeyChar(std::string_view sHotKey) {
  const std::string sAnsi = Utf8ToAnsi(sHotKey);
  const std::size_t iJoiner = sAnsi.rfind(kJoiner);
  if (iJoiner == std::string::npos || iJoiner + 1 == sAnsi.size()) return 0;
  return static_cast<unsigned char>(sAnsi[iJoiner + 1]);
}

// Walks the items with a hot key of every menu accepted by menuFilter and returns the first
// one for which itemMatches holds.
template <class MenuFilter, class ItemMatches>
std::optional<tHotKeyItem> FindItem(const MenuTable& menus, MenuFilter menuFilter, ItemMatches itemMatches) {
  for (std::int16_t m = 1; m <= menus.Count(); ++m) {
    if (!menuFilter(menus.Menu(m))) continue;
    for (std::int16_t i = 1; i <= menus.ItemCount(m); ++i) {
      const tMenuItemInfo& item = menus.Item(m, i);
      if (!item.cMIHotKey.empty() && itemMatches(item)) return tHotKeyItem{m, i};
    }
  }
  return std::nullopt;
}

}  // namespace

bool MatchesPlainKey(std::string_view sHotKey, std::int16_t iVirtKey) {
  if (Contains(sHotKey, kCtrlWord)) return false;
  const std::string_view sName = KeyName(iVirtKey);
  return !sName.empty() && sHotKey == sName;
}

bool MatchesCtrlKey(std::string_view sHotKey, std::int16_t iVirtKey, bool bAlt, bool bShift) {
  if (!Contains(sHotKey, kJoiner) || !Contains(sHotKey, kCtrlWord)) return false;
  if (bAlt && !Contains(sHotKey, kAltWord)) return false;
  if (bShift && !Contains(sHotKey, kShiftWord)) return false;
  const unsigned char keyChar = CtrlKeyChar(sHotKey);
  if (keyChar == 0) return false;
  // The pressed key counts by the character it types with the keyboard layout: a function key
  // types none, a number-pad key its digit or operator, which then names the key as the hot
  // key's character does.
  const auto pressedChar = static_cast<unsigned char>(MapVirtualKeyA(static_cast<UINT>(iVirtKey), MAPVK_VK_TO_CHAR));
  const std::int16_t iKey = Mnemonic::CharToVirtualKey(keyChar);
  return pressedChar != 0 && iKey != 0 && iKey == Mnemonic::CharToVirtualKey(pressedChar);
}

std::optional<tHotKeyItem> FindPlainHotKey(const MenuTable& menus, std::int16_t iVirtKey) {
  return FindItem(
      menus, [](const tMenuInfo&) { return true; },
      [iVirtKey](const tMenuItemInfo& item) {
        return IsTrue(item.cMIVisible) && IsTrue(item.cMIEnabled) && MatchesPlainKey(item.cMIHotKey, iVirtKey);
      });
}

std::optional<tHotKeyItem> FindCtrlHotKey(const MenuTable& menus, std::int16_t iVirtKey, bool bAlt, bool bShift) {
  return FindItem(
      menus, [](const tMenuInfo& menu) { return IsTrue(menu.cMEnabled) && IsTrue(menu.cMVisible); },
      [=](const tMenuItemInfo& item) { return MatchesCtrlKey(item.cMIHotKey, iVirtKey, bAlt, bShift); });
}

}  // namespace HotKeys
