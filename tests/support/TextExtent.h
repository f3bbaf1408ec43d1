// The extent of a text in a container font, measured as the painters measure it: the font
// made at the desktop's resolution on a DC of the test's own.
#pragma once
#include <string>

#include "container/StdFont.h"
#include "render/modFontConv.h"

namespace mirel_test {

inline SIZE TextExtent(const StdFont& font, const std::string& text) {
  HDC hdc = CreateCompatibleDC(nullptr);
  HFONT gdiFont = FontFromStdFont(font);
  HGDIOBJ old = SelectObject(hdc, gdiFont);
  SIZE size{};
  GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(hdc, old);
  DeleteObject(gdiFont);
  DeleteDC(hdc);
  return size;
}

}  // namespace mirel_test
