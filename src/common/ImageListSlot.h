// One image-list slot of the control (menu headers, menu items, tools, and an unnamed fourth):
// the attached list's handle, the object itself when it is the host's "ImageList" control
// (drawn through its own Draw method), and the image size in pixels.
#pragma once
#include <cstdint>

#include "container/AutomationObject.h"
#include "container/Variant.h"

struct tImageListSlot {
  std::int32_t hImageList = 0;
  ObjectRef oImageList;
  std::int16_t iImageWidth = 0;
  std::int16_t iImageHeight = 0;
};

// Fills `slot` from an image-list object or a 32-bit image-list handle. The slot is cleared
// first; any other kind of value raises the image-list error with `errorSourcePrefix`.
void AttachImageList(tImageListSlot& slot, const Variant& ImageListControl, const char* errorSourcePrefix);
