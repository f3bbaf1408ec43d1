// The records behind the menu collections. Field order and widths are those the bar, the
// menu windows, tracking and persistence read directly: 16-bit fields are int16_t, Booleans
// are 16-bit (True = -1, False = 0), colours are 32-bit OLE_COLOR values.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/MirelMenuBar20Enums.h"
#include "container/Ole.h"
#include "container/Variant.h"

// ctsMenuStyleConstants
enum ctsMenuStyleConstants : std::int16_t { tsPrimaryMenu = 0, tsSecondaryMenu = 1 };

// ctsMenuItemStyleConstants
enum ctsMenuItemStyleConstants : std::int16_t { tsMenuCaption = 0, tsMenuSeperator = 1, tsSubMenu = 2 };

// An icon index of -1 means "no icon".
inline constexpr std::int16_t kNoIcon = -1;

// One item of a menu.
struct tMenuItemInfo {
  std::string cMICaption;
  VARIANT_BOOL cMIChecked = VARIANT_FALSE;
  VARIANT_BOOL cMIEnabled = VARIANT_FALSE;
  VARIANT_BOOL cMIFontBold = VARIANT_FALSE;
  VARIANT_BOOL cMIFontItalic = VARIANT_FALSE;
  VARIANT_BOOL cMIFontStrikeThrough = VARIANT_FALSE;
  VARIANT_BOOL cMIFontUnderline = VARIANT_FALSE;
  OLE_COLOR cMIForeColor = 0;
  OLE_COLOR cMIHoverForeColor = 0;
  std::string cMIHotKey;
  std::int16_t cMIIconIndex = 0;
  std::int16_t cMIIconDisabledIndex = 0;
  std::int16_t cMIIconHoverIndex = 0;
  std::int16_t cMIIndent = 0;
  VARIANT_BOOL cMIInfrequent = VARIANT_FALSE;
  Variant cMIItemData;
  std::string cMIKey;
  std::int16_t cMIStyle = tsMenuCaption;
  std::string cMISubMenuName;
  std::string cMITag;
  std::string cMIToolTipText;
  VARIANT_BOOL cMIVisible = VARIANT_FALSE;
  std::int32_t cMIWidth = 0;
};

// One menu: its caption on the bar and its items (element 0 of cMMenuItems holds nothing).
struct tMenuInfo {
  std::string cMCaption;
  std::int32_t cMCollX = 0;
  VARIANT_BOOL cMDisplayInfrequents = VARIANT_FALSE;
  VARIANT_BOOL cMDisplayInfrequentState = VARIANT_FALSE;
  VARIANT_BOOL cMEnabled = VARIANT_FALSE;
  VARIANT_BOOL cMFontBold = VARIANT_FALSE;
  VARIANT_BOOL cMFontItalic = VARIANT_FALSE;
  VARIANT_BOOL cMFontStrikeThrough = VARIANT_FALSE;
  VARIANT_BOOL cMFontUnderline = VARIANT_FALSE;
  OLE_COLOR cMForeColor = 0;
  OLE_COLOR cMHoverForeColor = 0;
  std::int32_t cMHwnd = 0;
  std::int16_t cMIconIndex = 0;
  std::int16_t cMIconDisabledIndex = 0;
  std::int16_t cMIconHoverIndex = 0;
  Variant cMItemData;
  std::string cMKey;
  std::vector<tMenuItemInfo> cMMenuItems;
  std::int16_t cMMenuItemsCount = 0;
  std::int16_t cMStyle = tsPrimaryMenu;
  std::string cMTag;
  std::string cMToolTipText;
  VARIANT_BOOL cMVisible = VARIANT_FALSE;
  std::int32_t cMWidth = 0;
};

// Exclusive check-group membership of one item, kept in a side table parallel to the items.
struct tMenuItemGroup {
  VARIANT_BOOL Grouped = VARIANT_FALSE;
  std::int16_t GroupID = 0;
};
