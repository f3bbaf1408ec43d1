// How a visual style draws on a drop panel: the box behind the icon cell under the mouse.
// The panel lays out its cells and draws the icons and the cell's outline itself.
#pragma once
#include "render/styles/Palette.h"
#include "win32/windows.h"

namespace styles {

class IPanelStyle {
 public:
  virtual ~IPanelStyle() = default;
  // The box behind the hot cell whose icon occupies `inner`; the box reaches two pixels
  // beyond it on every side.
  virtual void DrawPanelHotCell(HDC hdc, const RECT& inner, const Palette& palette) const = 0;
};

}  // namespace styles
