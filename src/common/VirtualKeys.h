// Small classifications of virtual keys shared by the control's key handlers.
#pragma once
#include "win32/user.h"

// Left, Up, Right and Down: left to the open menu windows by the bar's handlers.
constexpr bool IsArrowKey(int iVirtKey) { return iVirtKey >= VK_LEFT && iVirtKey <= VK_DOWN; }
