// Image lists for tests: one solid square per colour, so that drawn icons are told apart by
// their colour alone (the caller owns the list), and a host's image-list object of `count`
// images of one size; and a slot described in one line for table comparisons.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "common/ImageListSlot.h"
#include "container/ImageList.h"
#include "win32/commctrl.h"
#include "win32/surface.h"

namespace mirel_test {

inline HIMAGELIST SolidImageList(int size, const std::vector<COLORREF>& colours) {
  HIMAGELIST icons = ImageList_Create(size, size, ILC_COLOR24, static_cast<int>(colours.size()), 0);
  win32::Surface strip;
  strip.Resize(size * static_cast<int>(colours.size()), size);
  for (int x = 0; x < strip.width; ++x)
    for (int y = 0; y < size; ++y) strip.At(x, y) = colours[static_cast<std::size_t>(x / size)];
  win32::ImageList_AddSurface(icons, strip, {});
  return icons;
}

template <typename List>
std::shared_ptr<List> ImageListOf(int width, int height, int count) {
  auto list = std::make_shared<List>();
  win32::Surface image;
  image.Resize(width, height, RGB(200, 10, 10));
  for (int i = 0; i < count; ++i) list->Images().AddSurface(Variant::Missing(), Variant::Missing(), image);
  return list;
}

// A slot as "handle=<list|0|h> object=<yes|no> <w>x<h>"; "list" is the given list's handle.
inline std::string DescribeSlot(const tImageListSlot& slot, HIMAGELIST list) {
  if (slot.hImageList == 0) return std::string("handle=0 object=") + (slot.oImageList ? "yes" : "no");
  const std::string handle = slot.hImageList == HandleToLong(list) ? "list" : std::to_string(slot.hImageList);
  return "handle=" + handle + " object=" + (slot.oImageList ? "yes " : "no ") + std::to_string(slot.iImageWidth) +
         "x" + std::to_string(slot.iImageHeight);
}

}  // namespace mirel_test
