// Translation of SDL key codes into the Win32 virtual-key codes the desktop's key routing
// expects. Left and right modifier keys both become the generic VK_SHIFT, VK_CONTROL and
// VK_MENU, which is what GetKeyState callers test.
#pragma once
#include <SDL.h>

namespace win32::sdl {

// The virtual key of an SDL key, or 0 for a key the desktop does not know.
int VirtualKeyFromSdl(SDL_Keycode key);

}  // namespace win32::sdl
