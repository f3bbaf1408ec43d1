// How a visual style draws on a drop panel: the box behind the cell under the mouse (an icon
// of the grid, a colour of the palette). The panel lays out its cells and draws the icons,
// the swatches and the cell's outline itself.
#pragma once
#include "common/MirelMenuBar20Enums.h"
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

// The panel painter of a visual style; a value outside the three raises the runtime's
// subscript error (9).
const IPanelStyle& PanelStyle(ctsVisualStyleConstants style);

}  // namespace styles
