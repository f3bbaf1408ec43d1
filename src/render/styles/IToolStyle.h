// How a visual style draws a band and the state of its tools. The band layout decides every
// rectangle (the tool frame rectangle, separator positions, the chevron area, the divider of
// a drop-down tool) and the tool interaction decides the state; a style turns them and its
// palette into pixels. Captions, icons and colour bars are drawn by the band painter, the
// same in every style.
#pragma once
#include "render/styles/ArtworkCache.h"
#include "render/styles/Palette.h"
#include "win32/windows.h"

namespace styles {

// The frame a tool shows: hot (the mouse over it), hot as the next drop tool while the
// drop panels switch, pressed, checked, and open (its drop panel shown).
enum class eToolFrame { Hot, DropSwitchHot, Pressed, Checked, DropOpen };

inline constexpr int kNoDivider = -1;

struct tToolFrameState {
  eToolFrame eFrame = eToolFrame::Hot;
  // A drop-down tool's line between its button and arrow parts, at this x; kNoDivider for
  // other tools.
  int lDividerX = kNoDivider;
};

// The chevron at the band's right edge: as the background shows it, or under the mouse.
enum class eChevron { Normal, Hot };

class IToolStyle {
 public:
  virtual ~IToolStyle() = default;
  // The band's background over `band` (its whole client area), edges included.
  virtual void DrawBandBackground(HDC hdc, const RECT& band, const Palette& palette, ArtworkCache& artwork) const = 0;
  // The gripper dots along the band's left edge.
  virtual void DrawBandGripper(HDC hdc, const RECT& band, const Palette& palette) const = 0;
  // The chevron over `area`, the band's right-edge area of the overflowing tools.
  virtual void DrawBandChevron(HDC hdc, const RECT& area, eChevron state, const Palette& palette,
                               ArtworkCache& artwork) const = 0;
  // A separator at x, spanning the band's height.
  virtual void DrawToolSeparator(HDC hdc, int x, const RECT& band, const Palette& palette) const = 0;
  // A tool's state frame over its frame rectangle.
  virtual void DrawToolFrame(HDC hdc, const RECT& frame, const tToolFrameState& state, const Palette& palette,
                             ArtworkCache& artwork) const = 0;
  // A drop-down tool's arrow with its top-left at `at`, in the enabled or disabled look.
  virtual void DrawToolDropArrow(HDC hdc, POINT at, bool bEnabled, const Palette& palette) const = 0;
};

// The tool painter of a visual style; a value outside the three raises the runtime's subscript
// error (9).
const IToolStyle& ToolStyle(ctsVisualStyleConstants style);

}  // namespace styles
