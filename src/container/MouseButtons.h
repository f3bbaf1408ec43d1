// The runtime's Button and Shift arguments from the key flags of a mouse message.
#pragma once
#include <cstdint>

#include "container/UserControl.h"
#include "win32/windows.h"

// Every button the key flags (MK_LBUTTON, MK_RBUTTON, MK_MBUTTON) hold.
inline std::int16_t ButtonsFromKeyFlags(WPARAM keyFlags) {
  std::int16_t buttons = 0;
  if (keyFlags & MK_LBUTTON) buttons |= vbLeftButton;
  if (keyFlags & MK_RBUTTON) buttons |= vbRightButton;
  if (keyFlags & MK_MBUTTON) buttons |= vbMiddleButton;
  return buttons;
}

// The Shift argument: Shift and Ctrl from the key flags, Alt from the keyboard.
inline std::int16_t ShiftFromKeyFlags(WPARAM keyFlags) {
  std::int16_t shift = 0;
  if (keyFlags & MK_SHIFT) shift |= vbShiftMask;
  if (keyFlags & MK_CONTROL) shift |= vbCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= vbAltMask;
  return shift;
}
