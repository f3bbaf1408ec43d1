// The drawing that differs between the visual styles tsMS2003, tsMSNet and tsMSIE. Layout and
// state are decided elsewhere; a style only turns rectangles and a theme into pixels, so each
// style's look can be read in its own file. Styles are stateless singletons; the artwork they
// copy from belongs to the caller.
#pragma once
#include <array>

#include "render/modThemes.h"
#include "render/styles/ArtworkCache.h"
#include "win32/windows.h"

namespace styles {

class IVisualStyle {
 public:
  virtual ~IVisualStyle() = default;

  // ---- menu bar ----
  // The bar's background over `area` (the whole control face) and its gripper; barHeight is
  // the height of the caption strip.
  virtual void DrawBarBackground(HDC hdc, const RECT& area, int barHeight, ctsThemes theme,
                                 ArtworkCache& artwork) const = 0;
  // The box behind a caption under the mouse.
  virtual void DrawBarHoverBox(HDC hdc, const RECT& box, ctsThemes theme) const = 0;
  // The box behind the caption of the open menu; `alternate` picks the alternate pressed look
  // where the style has one.
  virtual void DrawBarPressedBox(HDC hdc, const RECT& box, ctsThemes theme, bool alternate,
                                 ArtworkCache& artwork) const = 0;
  // Text colour of an enabled caption drawn hovered or pressed, whose normal colour is `normal`.
  virtual COLORREF BarHighlightTextColor(ctsThemes theme, COLORREF normal) const = 0;

  // ---- menu window ----
  // The base of a menu window over `body` (the window without its shadow strips): the
  // background, the icon column `margin` (on the right when `mirrored`) and the frame.
  virtual void DrawMenuBase(HDC hdc, const RECT& body, const RECT& margin, bool mirrored, ctsThemes theme,
                            ArtworkCache& artwork) const = 0;
  // The icon-column cell of an infrequent item while the menu shows its infrequent items.
  virtual void DrawMenuInfrequentMargin(HDC hdc, const RECT& cell, bool mirrored, ctsThemes theme,
                                        ArtworkCache& artwork) const = 0;
  // A separator line from left to right (exclusive) at y.
  virtual void DrawMenuSeparator(HDC hdc, int left, int right, int y, ctsThemes theme) const = 0;
  // The box behind the expand arrow under the mouse, in the menu-highlight colours.
  virtual void DrawMenuExpandHighlight(HDC hdc, const RECT& box, COLORREF fill, COLORREF outline) const = 0;
};

// The painter of a visual style; a value outside the three styles raises the runtime's
// subscript error (9).
const IVisualStyle& VisualStyle(ctsVisualStyleConstants style);

// One value per theme.
template <class T>
using PerTheme = std::array<T, kThemeCount>;

// The entry for `theme`; a theme outside the three raises the runtime's subscript error (9).
template <class T>
const T& ByTheme(const PerTheme<T>& values, ctsThemes theme);

// The same checked index, for strips laid out one piece per theme.
int ThemeIndex(ctsThemes theme);

template <class T>
const T& ByTheme(const PerTheme<T>& values, ctsThemes theme) {
  return values[static_cast<std::size_t>(ThemeIndex(theme))];
}

}  // namespace styles
