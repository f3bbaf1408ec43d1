// The records behind the band and tool collections. Field order and widths are those the band
// layout, the band surfaces and the automation proxies read directly: 16-bit fields are
// int16_t, Booleans are 16-bit (True = -1, False = 0), colours are 32-bit OLE_COLOR values.
// Tool arrays keep an unused element 0, so tool t is element t.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "container/Ole.h"
#include "container/Variant.h"

// ctsToolStyleConstants
enum ctsToolStyleConstants : std::int16_t {
  teButton = 0,
  teIconDropDown = 1,
  teColorDropDown = 2,
  teMenuDropDown = 3,
  teLabel = 4,
  teMessage = 5,
  teControl = 6,
  teSeperator = 7,
};
inline constexpr std::int16_t kLastToolStyle = teSeperator;

// ctsCaptionAlignmentConstants: the side of the icon on which the caption stands.
enum ctsCaptionAlignmentConstants : std::int16_t { tsTop = 0, tsBottom = 1, tsLeft = 2, tsRight = 3 };

// An icon index of -1 means "no icon".
inline constexpr std::int16_t kNoToolIcon = -1;

// The three drop-down styles carry an arrow part.
constexpr bool IsDropDownStyle(std::int16_t style) {
  return style == teIconDropDown || style == teColorDropDown || style == teMenuDropDown;
}
// Buttons and drop-downs take state frames; labels, messages, controls and separators do not.
constexpr bool IsButtonStyle(std::int16_t style) { return style == teButton || IsDropDownStyle(style); }

// One tool of a band (the control's array and the band surface's mirror share the layout).
struct tToolItemInfo {
  std::int16_t cTIBandIndex = 0;
  std::string cTICaption;
  std::int16_t cTICaptionAlignment = tsTop;
  VARIANT_BOOL cTIEnabled = VARIANT_FALSE;
  VARIANT_BOOL cTIFontBold = VARIANT_FALSE;
  VARIANT_BOOL cTIFontItalic = VARIANT_FALSE;
  std::string cTIFontName;
  VARIANT_BOOL cTIFontStrikeThrough = VARIANT_FALSE;
  VARIANT_BOOL cTIFontUnderline = VARIANT_FALSE;
  OLE_COLOR cTIForeColor = 0;
  OLE_COLOR cTIDisplayColor = 0;
  VARIANT_BOOL cTIGrouped = VARIANT_FALSE;
  std::int16_t cTIGroupID = 0;
  std::int32_t cTIHeight = 0;
  std::string cTIHotKey;
  std::int32_t cTIHwnd = 0;
  std::int16_t cTIIconIndex = kNoToolIcon;
  std::int16_t cTIIconDisabledIndex = kNoToolIcon;
  std::int16_t cTIIconHoverIndex = kNoToolIcon;
  std::int16_t cTIIndent = 0;
  Variant cTIItemData;
  std::string cTIKey;
  std::int32_t cTILeft = 0;
  std::int32_t cTIParentHwnd = 0;
  std::int16_t cTIStyle = teButton;
  VARIANT_BOOL cTIState = VARIANT_FALSE;
  std::string cTITag;
  std::string cTIText;
  VARIANT_BOOL cTIToggle = VARIANT_FALSE;
  std::string cTIToolTipText;
  VARIANT_BOOL cTIVisible = VARIANT_FALSE;
  std::int32_t cTIWidth = 0;
  std::int32_t cTITop = 0;
};

// One band: its surface number, caption, flags, place on the rebar lines and its tools.
struct tBandInfo {
  std::int16_t cBIIndex = 0;
  std::string cBICaption;
  std::int16_t cBICaptionIcon = 0;
  VARIANT_BOOL cBIToolsDirty = VARIANT_FALSE;
  VARIANT_BOOL cBIDisplayMoreTools = VARIANT_TRUE;
  VARIANT_BOOL cBIDocked = VARIANT_FALSE;
  VARIANT_BOOL cBIEnabled = VARIANT_FALSE;
  std::string cBIKey;
  std::int16_t cBILineIndex = 0;
  std::int16_t cBILinePosition = 0;
  std::vector<tToolItemInfo> cBITools;
  std::int16_t cBIToolCount = 0;
  std::int32_t cBIWidth = 0;
  VARIANT_BOOL cBIVisible = VARIANT_FALSE;
};
