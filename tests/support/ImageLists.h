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
#include "win32/gdi.h"
#include "win32/surface.h"

namespace mirel_test {

inline HIMAGELIST SolidImageList(int size, const std::vector<COLORREF>& colours) {
  HIMAGELIST icons = ImageList_Create(size, size, ILC_COLOR24, static_cast<int>(colours.size()), 0);
  HDC screen = GetDC(nullptr);
  HDC paint = CreateCompatibleDC(screen);
  for (const COLORREF colour : colours) {
    HBITMAP picture = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(paint, picture);
    const RECT all{0, 0, size, size};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(paint, &all, brush);
    DeleteObject(brush);
    SelectObject(paint, old);
    ImageList_Add(icons, picture, nullptr);
    DeleteObject(picture);
  }
  DeleteDC(paint);
  ReleaseDC(nullptr, screen);
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
