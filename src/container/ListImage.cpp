#include "container/ListImage.h"

#include <cmath>

#include "container/ListImages.h"
#include "container/Screen.h"
#include "win32/commctrl.h"

namespace {
int TwipsToPixels(float twips, float twipsPerPixel) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }
}  // namespace

// 0 once the image has been removed or its list is gone.
std::int32_t ListImage::Index() const {
  const std::shared_ptr<ListImages> owner = m_Owner.lock();
  return owner ? owner->Position(*this) : 0;
}

void ListImage::Draw(HDC hDC, float x, float y, std::int16_t style) const {
  const std::shared_ptr<ListImages> owner = m_Owner.lock();
  const std::int32_t index = owner ? owner->Position(*this) : 0;
  if (index == 0) image_list_error::Raise(image_list_error::IndexOutOfBounds);
  ImageList_Draw(owner->Handle(), index - 1, hDC, TwipsToPixels(x, TwipsPerPixelX()), TwipsToPixels(y, TwipsPerPixelY()),
                 static_cast<UINT>(style));
}
