// Drawing one image of an attached image list, the same way for the control, the menu
// windows, the band surfaces and the drop panel.
#pragma once
#include <cstdint>

#include "container/AutomationObject.h"
#include "win32/windows.h"

// Draws image `index` (1-based; 0 also means the first image) at pixel (x, y) of hDC,
// transparently, blended as selected and/or focused. A kept "ImageList" control object
// draws through its own ListImages(index).Draw at twips, any failure drawing nothing;
// otherwise the image-list handle is used; with neither nothing is drawn.
void DrawListImage(const ObjectRef& oImageList, HDC hDC, std::int32_t hImageList, std::int16_t index, int x, int y,
                   bool selected, bool focused);
