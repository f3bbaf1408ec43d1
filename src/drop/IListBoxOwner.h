// What a windowless list box tells the window that hosts it: the runtime's Click, key and
// mouse events, and the first visible item after the keyboard scrolled the list (the host's
// scroll bar follows it).
#pragma once
#include <cstdint>

class IListBoxOwner {
 public:
  virtual ~IListBoxOwner() = default;
  // The selection changed by keyboard, Enter was pressed, or a mouse button came up.
  virtual void ListClick() = 0;
  virtual void ListKeyDown(std::int16_t iKeyCode, std::int16_t iShift) = 0;
  virtual void ListKeyPress(std::int16_t iKeyAscii) = 0;
  virtual void ListKeyUp(std::int16_t iKeyCode, std::int16_t iShift) = 0;
  // Coordinates as the host passed them to the list.
  virtual void ListMouseDown(std::int16_t iButton, std::int16_t iShift, float x, float y) = 0;
  virtual void ListMouseMove(std::int16_t iButton, std::int16_t iShift, float x, float y) = 0;
  virtual void ListMouseUp(std::int16_t iButton, std::int16_t iShift, float x, float y) = 0;
  virtual void ListTopIndexChanged(std::int32_t lTopIndex) = 0;
};
