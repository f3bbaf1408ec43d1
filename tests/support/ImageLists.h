// Image lists for tests: one solid square per colour, so that drawn icons are told apart by
// their colour alone. The caller owns the list.
#pragma once
#include <vector>

#include "win32/commctrl.h"
#include "win32/gdi.h"

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

}  // namespace mirel_test
