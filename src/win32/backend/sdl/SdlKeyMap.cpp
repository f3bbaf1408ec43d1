#include "win32/backend/sdl/SdlKeyMap.h"

#include <array>
#include <utility>

#include "win32/user.h"

namespace win32::sdl {

namespace {

constexpr int kFunctionKeyCount = 16;        // F1-F16
constexpr int kFunctionKeysInFirstBlock = 12;  // SDL numbers F13 and above in a second block

// Keys whose SDL code is not a letter, a digit or a function key.
constexpr std::array<std::pair<SDL_Keycode, int>, 50> kNamedKeys{{
    {SDLK_RETURN, VK_RETURN},       {SDLK_KP_ENTER, VK_RETURN},      {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_TAB, VK_TAB},             {SDLK_BACKSPACE, VK_BACK},       {SDLK_SPACE, VK_SPACE},
    {SDLK_LALT, VK_MENU},           {SDLK_RALT, VK_MENU},            {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},       {SDLK_LSHIFT, VK_SHIFT},         {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LEFT, VK_LEFT},           {SDLK_RIGHT, VK_RIGHT},          {SDLK_UP, VK_UP},
    {SDLK_DOWN, VK_DOWN},           {SDLK_HOME, VK_HOME},            {SDLK_END, VK_END},
    {SDLK_PAGEUP, VK_PRIOR},        {SDLK_PAGEDOWN, VK_NEXT},        {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE},       {SDLK_APPLICATION, VK_APPS},     {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},     {SDLK_COMMA, VK_OEM_COMMA},      {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD},   {SDLK_SLASH, VK_OEM_2},          {SDLK_BACKQUOTE, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4},   {SDLK_BACKSLASH, VK_OEM_5},      {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},         {SDLK_PAUSE, VK_PAUSE},          {SDLK_KP_0, VK_NUMPAD0},
    {SDLK_KP_1, VK_NUMPAD0 + 1},    {SDLK_KP_2, VK_NUMPAD0 + 2},     {SDLK_KP_3, VK_NUMPAD0 + 3},
    {SDLK_KP_4, VK_NUMPAD0 + 4},    {SDLK_KP_5, VK_NUMPAD0 + 5},     {SDLK_KP_6, VK_NUMPAD0 + 6},
    {SDLK_KP_7, VK_NUMPAD0 + 7},    {SDLK_KP_8, VK_NUMPAD0 + 8},     {SDLK_KP_9, VK_NUMPAD0 + 9},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY}, {SDLK_KP_PLUS, VK_ADD},         {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL},   {SDLK_KP_DIVIDE, VK_DIVIDE},
}};

}  // namespace

int VirtualKeyFromSdl(SDL_Keycode key) {
  // Letters: SDL uses the lower-case character, Win32 the upper-case one.
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
  if (key >= SDLK_F13 && key < SDLK_F13 + (kFunctionKeyCount - kFunctionKeysInFirstBlock))
    return VK_F1 + kFunctionKeysInFirstBlock + (key - SDLK_F13);
  for (const auto& [sdlKey, vk] : kNamedKeys) {
    if (sdlKey == key) return vk;
  }
  return 0;
}

}  // namespace win32::sdl
