// How a visual style draws a menu window's surface: its base, the icon column of infrequent
// items, separators and the box behind the hot expand arrow. Rows, texts and icons are the
// menu painter's; a style only turns rectangles and its palette into pixels.
#pragma once
#include "render/styles/ArtworkCache.h"
#include "render/styles/Palette.h"
#include "win32/windows.h"

namespace styles {

class IMenuStyle {
 public:
  virtual ~IMenuStyle() = default;
  // The base of a menu window over `body` (the window without its shadow strips): the
  // background, the icon column `margin` (on the right when `mirrored`) and the frame.
  virtual void DrawMenuBase(HDC hdc, const RECT& body, const RECT& margin, bool mirrored, const Palette& palette,
                            ArtworkCache& artwork) const = 0;
  // The icon-column cell of an infrequent item while the menu shows its infrequent items.
  virtual void DrawMenuInfrequentMargin(HDC hdc, const RECT& cell, bool mirrored, const Palette& palette,
                                        ArtworkCache& artwork) const = 0;
  // A separator line from left to right (exclusive) at y.
  virtual void DrawMenuSeparator(HDC hdc, int left, int right, int y, const Palette& palette) const = 0;
  // The box behind the expand arrow under the mouse.
  virtual void DrawMenuExpandHighlight(HDC hdc, const RECT& box, const Palette& palette) const = 0;
};

// The menu painter of a visual style; a value outside the three styles raises the runtime's
// subscript error (9).
const IMenuStyle& MenuStyle(ctsVisualStyleConstants style);

}  // namespace styles
