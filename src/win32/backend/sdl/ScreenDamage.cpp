#include "win32/backend/sdl/ScreenDamage.h"

#include <algorithm>
#include <cstddef>

namespace win32::sdl {

namespace {

bool RowDiffers(const Surface& screen, const std::vector<COLORREF>& shown, int y) {
  const std::size_t begin = static_cast<std::size_t>(y) * static_cast<std::size_t>(screen.width);
  return !std::equal(screen.pixels.begin() + begin, screen.pixels.begin() + begin + screen.width,
                     shown.begin() + begin);
}

// The first and one-past-the-last differing column of rows [top, bottom).
void ChangedColumns(const Surface& screen, const std::vector<COLORREF>& shown, int top, int bottom, LONG& left,
                    LONG& right) {
  left = screen.width;
  right = 0;
  for (int y = top; y < bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(screen.width);
    for (int x = 0; x < left; ++x) {
      if (screen.pixels[row + x] != shown[row + x]) {
        left = x;
        break;
      }
    }
    for (int x = screen.width - 1; x >= right; --x) {
      if (screen.pixels[row + x] != shown[row + x]) {
        right = x + 1;
        break;
      }
    }
  }
}

}  // namespace

RECT ScreenDamage::TakeChanges(const Surface& screen) {
  RECT changed{0, 0, 0, 0};
  if (m_Shown.size() != screen.pixels.size() || m_Width != screen.width) {
    changed = RECT{0, 0, screen.width, screen.height};
  } else {
    int top = 0;
    while (top < screen.height && !RowDiffers(screen, m_Shown, top)) ++top;
    if (top == screen.height) return changed;
    int bottom = screen.height;
    while (bottom > top && !RowDiffers(screen, m_Shown, bottom - 1)) --bottom;
    changed.top = top;
    changed.bottom = bottom;
    ChangedColumns(screen, m_Shown, top, bottom, changed.left, changed.right);
  }
  m_Shown = screen.pixels;
  m_Width = screen.width;
  return changed;
}

}  // namespace win32::sdl
