// The part of the screen that changed since it was last shown, so that a real window
// uploads and presents only that rectangle.
#pragma once
#include <vector>

#include "win32/surface.h"
#include "win32/types.h"

namespace win32::sdl {

class ScreenDamage {
 public:
  // The bounding rectangle of every pixel of `screen` that differs from the copy taken at
  // the last call (all of it the first time, or after a size change); empty when nothing
  // changed. The copy is then brought up to date.
  RECT TakeChanges(const Surface& screen);
  // Forgets the copy, so that the next call reports the whole screen.
  void Forget() { m_Shown.clear(); }

 private:
  std::vector<COLORREF> m_Shown;
  int m_Width = 0;
};

}  // namespace win32::sdl
