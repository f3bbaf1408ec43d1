// What a band surface needs from the control that owns it: the few settings it draws with
// and what the owner shows behind the band. The band never sees the concrete control; the
// band's notifications (mouse, drop-downs, state changes) join this interface with the
// interaction that sends them.
#pragma once
#include <cstdint>

#include "win32/windows.h"

class StdFont;

class IBandOwner {
 public:
  virtual ~IBandOwner() = default;

  // The font the band's captions derive from (face when a tool names none, and size).
  virtual const StdFont* CaptionFont() const = 0;
  // The size of one tool icon in pixels; 0 x 0 without a tool image list.
  virtual SIZE ToolIconSize() const = 0;
  // Draws tool image `index` (1-based, as the tool records hold it) at (x, y) of hdc.
  virtual void DrawToolIcon(HDC hdc, std::int16_t index, int x, int y) const = 0;
  // Copies the part of the owner's face that lies behind rcBand (owner client pixels) to
  // hdc at (0, 0): the background of a transparent band.
  virtual void PaintBehind(HDC hdc, const RECT& rcBand) const = 0;
};
