// The records behind the drop-down collections. Field order and widths are those the drop
// panel and the automation proxies read directly: 16-bit fields are int16_t, Booleans are
// 16-bit (True = -1, False = 0). Tool arrays keep an unused element 0, so icon t is element t.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "container/AutomationObject.h"
#include "container/StdPicture.h"
#include "container/Variant.h"

// An icon index of -1 means "no icon".
inline constexpr std::int16_t kNoDropIcon = -1;

// One icon of a drop-down.
struct tDropToolItemInfo {
  std::string cDTICaption;
  std::int16_t cDTICaptionAlignment = 0;
  VARIANT_BOOL cDTIEnabled = VARIANT_FALSE;
  std::int16_t cDTIIconIndex = kNoDropIcon;
  std::int16_t cDTIIconDisabledIndex = kNoDropIcon;
  std::int16_t cDTIIconHoverIndex = kNoDropIcon;
  std::string cDTIKey;
  std::string cDTITag;
  std::string cDTIToolTipText;
  VARIANT_BOOL cDTIVisible = VARIANT_FALSE;
};

// One drop-down: a grid of cDIColumns icons, cDIRows of them visible at a time.
struct tDropDownItemInfo {
  std::int16_t cDIColumns = 0;
  VARIANT_BOOL cDIDirty = VARIANT_FALSE;
  std::string cDIKey;
  std::int16_t cDIIndex = 0;
  std::shared_ptr<StdPicture> cDIImage;
  ObjectRef cDIImageList;
  std::int16_t cDIIconSizeX = 0;
  std::int16_t cDIIconSizeY = 0;
  std::int16_t cDIRows = 0;
  std::vector<tDropToolItemInfo> cDITools;
  std::int16_t cDIToolCount = 0;
};
