// What a themed scroll bar tells the window that hosts it.
#pragma once

class MirelVScroll;

class IVScrollOwner {
 public:
  virtual ~IVScrollOwner() = default;
  // Value changed through an arrow, a click in the track or auto-repeat.
  virtual void VScrollChange(MirelVScroll& scroll) = 0;
  // Value changed while the thumb is dragged.
  virtual void VScrollScroll(MirelVScroll& scroll) = 0;
  // The mouse button came up after a drag.
  virtual void VScrollEnd(MirelVScroll& scroll) = 0;
};
