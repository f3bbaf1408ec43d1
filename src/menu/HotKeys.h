// Hot keys of menu items: the two forms of a hot-key string and how a pressed key matches
// them. A plain hot key is one name of the key-name table ("F5", "Del") and fires with no Ctrl
// held; a Ctrl combination ("Ctrl+Shift+S") names its key by the first character after its
// last "+" and may ask for Shift and Alt as well.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "menu/MenuTable.h"

namespace HotKeys {

// An item of the menu table, by its 1-based menu and item positions.
struct tHotKeyItem {
  std::int16_t iMenu = 0;
  std::int16_t iItem = 0;
  bool operator==(const tHotKeyItem&) const = default;
};

// True when sHotKey, a string that is no Ctrl combination, equals exactly the table name of
// the key pressed without Ctrl.
bool MatchesPlainKey(std::string_view sHotKey, std::int16_t iVirtKey);

// True when sHotKey is a Ctrl combination whose key is the one pressed with Ctrl. Alt or
// Shift held must be named in the string; naming a key that is not held does no harm.
bool MatchesCtrlKey(std::string_view sHotKey, std::int16_t iVirtKey, bool bAlt, bool bShift);

// The first visible, enabled item, menu by menu in table order, whose plain hot key is the
// pressed key.
std::optional<tHotKeyItem> FindPlainHotKey(const MenuTable& menus, std::int16_t iVirtKey);

// The first item of an enabled, visible menu whose Ctrl combination matches. The item's own
// state is not asked here: a hidden or disabled item still claims its key, it only does not fire.
std::optional<tHotKeyItem> FindCtrlHotKey(const MenuTable& menus, std::int16_t iVirtKey, bool bAlt, bool bShift);

}  // namespace HotKeys
