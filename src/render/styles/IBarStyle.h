// How a visual style draws the menu bar. Layout and state are decided elsewhere: a style
// turns rectangles, a state and its palette into pixels.
#pragma once
#include "render/styles/ArtworkCache.h"
#include "render/styles/Palette.h"
#include "win32/windows.h"

namespace styles {

// The look of a caption drawn over the bar's base image.
enum class eBarCaption { Hover, Pressed, PressedByKey };

class IBarStyle {
 public:
  virtual ~IBarStyle() = default;
  // The bar's background over `area` (the whole control face) and its gripper; barHeight is
  // the height of the caption strip.
  virtual void DrawBarBackground(HDC hdc, const RECT& area, int barHeight, const Palette& palette,
                                 ArtworkCache& artwork) const = 0;
  // The box behind a hovered or open caption.
  virtual void DrawBarCaptionBox(HDC hdc, const RECT& box, eBarCaption state, const Palette& palette,
                                 ArtworkCache& artwork) const = 0;
  // Text colour of an enabled caption drawn over its box, whose normal colour is `normal`.
  virtual COLORREF BarCaptionTextColor(COLORREF normal, const Palette& palette) const = 0;
};

// The bar painter of a visual style; a value outside the three styles raises the runtime's
// subscript error (9).
const IBarStyle& BarStyle(ctsVisualStyleConstants style);

}  // namespace styles
