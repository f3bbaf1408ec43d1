// The colours one visual style paints with in one theme: the roles every surface shares
// (highlighted and checked elements, infrequent rows, borders, the drop panel's highlight) and
// the factors of the menu and drop-panel shadows. There is one palette per style and theme,
// fixed at compile time; painters receive it and look colours up nowhere else.
#pragma once
#include <array>

#include "common/MirelMenuBar20Enums.h"
#include "render/ColorScheme.h"
#include "win32/types.h"

namespace styles {

struct Palette {
  ctsVisualStyleConstants eStyle = tsMS2003;
  ctsThemes eTheme = XPBlue;
  COLORREF HighlightOutline = 0;  // a highlighted menu item or tool
  COLORREF HighlightFill = 0;
  COLORREF PressedFill = 0;     // a checked element in a menu window
  COLORREF InfrequentFill = 0;  // infrequent items while they are highlighted
  COLORREF InfrequentEdge = 0;
  COLORREF MenuBorder = 0;  // menu windows, the drop panel and tool frames
  COLORREF PanelHighlightOutline = 0;
  COLORREF PanelHighlightFill = 0;
  // From the shadow's inner edge outwards.
  std::array<tRGB, kShadowSteps> ShadowFactors{};
};

// The palette of `style` in `theme`; a style or theme outside the three raises the runtime's
// subscript error (9).
const Palette& PaletteFor(ctsVisualStyleConstants style, ctsThemes theme);

}  // namespace styles
