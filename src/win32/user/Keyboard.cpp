// The one keyboard layout (US English): virtual keys, characters and scan codes, the key
// state tables and the thread keyboard hooks.
#include <cstddef>
#include <algorithm>
#include <cstring>

#include "win32/objcount.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

constexpr SHORT kKeyDownBit = static_cast<SHORT>(0x8000);
constexpr SHORT kToggledBit = 0x0001;
constexpr SHORT kNoKey = -1;
constexpr int kFirstControlChar = 1;  // Ctrl+A

struct CharKey {
  int vk;
  char plain;
  char shifted;
};
constexpr CharKey kCharKeys[] = {
    {'0', '0', ')'}, {'1', '1', '!'}, {'2', '2', '@'}, {'3', '3', '#'}, {'4', '4', '$'},
    {'5', '5', '%'}, {'6', '6', '^'}, {'7', '7', '&'}, {'8', '8', '*'}, {'9', '9', '('},
    {VK_OEM_1, ';', ':'}, {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'}, {VK_OEM_4, '[', '{'}, {VK_OEM_5, '\\', '|'}, {VK_OEM_6, ']', '}'},
    {VK_OEM_7, '\'', '"'}, {VK_SPACE, ' ', ' '}, {VK_RETURN, '\r', '\r'}, {VK_TAB, '\t', '\t'},
    {VK_BACK, '\b', '\b'}, {VK_ESCAPE, '\x1b', '\x1b'},
    // The number pad (Num Lock on), after the main keys so that a character maps back to those.
    {VK_NUMPAD0, '0', '0'}, {VK_NUMPAD0 + 1, '1', '1'}, {VK_NUMPAD0 + 2, '2', '2'}, {VK_NUMPAD0 + 3, '3', '3'},
    {VK_NUMPAD0 + 4, '4', '4'}, {VK_NUMPAD0 + 5, '5', '5'}, {VK_NUMPAD0 + 6, '6', '6'}, {VK_NUMPAD0 + 7, '7', '7'},
    {VK_NUMPAD0 + 8, '8', '8'}, {VK_NUMPAD0 + 9, '9', '9'}, {VK_MULTIPLY, '*', '*'}, {VK_ADD, '+', '+'},
    {VK_SUBTRACT, '-', '-'}, {VK_DECIMAL, '.', '.'}, {VK_DIVIDE, '/', '/'},
};

struct ScanCode {
  int vk;
  UINT scan;
};
constexpr ScanCode kScanCodes[] = {
    {VK_ESCAPE, 0x01}, {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D}, {VK_BACK, 0x0E}, {VK_TAB, 0x0F},
    {VK_OEM_4, 0x1A}, {VK_OEM_6, 0x1B}, {VK_RETURN, 0x1C}, {VK_CONTROL, 0x1D}, {VK_OEM_1, 0x27},
    {VK_OEM_7, 0x28}, {VK_OEM_3, 0x29}, {VK_SHIFT, 0x2A}, {VK_OEM_5, 0x2B}, {VK_OEM_COMMA, 0x33},
    {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35}, {VK_MULTIPLY, 0x37}, {VK_MENU, 0x38}, {VK_SPACE, 0x39},
    {VK_CAPITAL, 0x3A}, {VK_NUMLOCK, 0x45}, {VK_SCROLL, 0x46}, {VK_HOME, 0x47}, {VK_UP, 0x48},
    {VK_PRIOR, 0x49}, {VK_SUBTRACT, 0x4A}, {VK_LEFT, 0x4B}, {VK_RIGHT, 0x4D}, {VK_ADD, 0x4E},
    {VK_END, 0x4F}, {VK_DOWN, 0x50}, {VK_NEXT, 0x51}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53},
    {VK_F11, 0x57}, {VK_F12, 0x58},
};
// Letter rows of the keyboard with the scan code of their first key.
struct LetterRow {
  const char* keys;
  UINT firstScan;
};
constexpr LetterRow kLetterRows[] = {{"QWERTYUIOP", 0x10}, {"ASDFGHJKL", 0x1E}, {"ZXCVBNM", 0x2C}};
constexpr UINT kFirstDigitScan = 0x02;  // '1'; '0' follows '9'
constexpr UINT kFirstFunctionScan = 0x3B;
constexpr int kFunctionKeysInRow = 10;
constexpr int kDigitCount = 10;

const CharKey* FindCharKey(int vk) {
  for (const CharKey& k : kCharKeys) {
    if (k.vk == vk) return &k;
  }
  return nullptr;
}

bool Down(int vk) { return State().keyDown[static_cast<std::size_t>(vk)]; }

bool IsLetter(int vk) { return vk >= 'A' && vk <= 'Z'; }

UINT ScanCodeOf(int vk) {
  for (const LetterRow& row : kLetterRows) {
    if (const char* at = std::strchr(row.keys, vk); at && IsLetter(vk)) return row.firstScan + static_cast<UINT>(at - row.keys);
  }
  if (vk >= '1' && vk <= '9') return kFirstDigitScan + static_cast<UINT>(vk - '1');
  if (vk == '0') return kFirstDigitScan + kDigitCount - 1;
  if (vk >= VK_F1 && vk < VK_F1 + kFunctionKeysInRow) return kFirstFunctionScan + static_cast<UINT>(vk - VK_F1);
  for (const ScanCode& s : kScanCodes) {
    if (s.vk == vk) return s.scan;
  }
  return 0;
}

}  // namespace

namespace win32::userimpl {

int CharFromKeyState(int vk) {
  const bool shift = Down(VK_SHIFT);
  if (IsLetter(vk)) {
    if (Down(VK_CONTROL)) return vk - 'A' + kFirstControlChar;
    const bool upper = shift != State().keyToggled[VK_CAPITAL];
    return upper ? vk : vk - 'A' + 'a';
  }
  if (Down(VK_CONTROL)) return 0;
  const CharKey* key = FindCharKey(vk);
  return key ? static_cast<unsigned char>(shift ? key->shifted : key->plain) : 0;
}

bool IsExtendedKey(int vk) {
  return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_DIVIDE;
}

LRESULT RunKeyboardHooks(const MSG& msg) {
  const auto& hooks = State().hooks;
  if (hooks.empty()) return 0;
  const HOOKPROC first = hooks.front().proc;
  return first(HC_ACTION, msg.wParam, msg.lParam);
}

}  // namespace win32::userimpl

SHORT GetAsyncKeyState(int vk) {
  if (vk < 0 || vk >= kKeyCount) return 0;
  return Down(vk) ? kKeyDownBit : 0;
}

SHORT GetKeyState(int vk) {
  if (vk < 0 || vk >= kKeyCount) return 0;
  SHORT state = Down(vk) ? kKeyDownBit : 0;
  if (State().keyToggled[static_cast<std::size_t>(vk)]) state = static_cast<SHORT>(state | kToggledBit);
  return state;
}

int GetKeyboardLayoutList(int count, HKL* list) {
  if (count > 0 && list) list[0] = LongToHandle<HKL>(static_cast<LONG>(US_ENGLISH_LAYOUT));
  return 1;
}

HKL GetKeyboardLayout(DWORD) { return LongToHandle<HKL>(static_cast<LONG>(US_ENGLISH_LAYOUT)); }

SHORT VkKeyScanExA(CHAR ch, HKL) {
  if (ch >= 'a' && ch <= 'z') return static_cast<SHORT>(ch - 'a' + 'A');
  if (ch >= 'A' && ch <= 'Z') return static_cast<SHORT>(ch | kVkScanShiftFlag);
  for (const CharKey& k : kCharKeys) {
    if (k.plain == ch) return static_cast<SHORT>(k.vk);
    if (k.shifted == ch) return static_cast<SHORT>(k.vk | kVkScanShiftFlag);
  }
  return kNoKey;
}

SHORT VkKeyScanA(CHAR ch) { return VkKeyScanExA(ch, GetKeyboardLayout(0)); }

UINT MapVirtualKeyA(UINT code, UINT mapType) {
  switch (mapType) {
    case MAPVK_VK_TO_VSC: return ScanCodeOf(static_cast<int>(code));
    case MAPVK_VSC_TO_VK:
      for (int vk = 1; vk < kKeyCount; ++vk) {
        if (ScanCodeOf(vk) == code) return static_cast<UINT>(vk);
      }
      return 0;
    case MAPVK_VK_TO_CHAR: {
      if (IsLetter(static_cast<int>(code))) return code;
      const CharKey* key = FindCharKey(static_cast<int>(code));
      return key ? static_cast<unsigned char>(key->plain) : 0;
    }
    default: return 0;
  }
}

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD) {
  if (idHook != WH_KEYBOARD || !proc) return nullptr;
  auto& state = State();
  const HHOOK handle = reinterpret_cast<HHOOK>(state.nextHook++);
  state.hooks.insert(state.hooks.begin(), HookRecord{handle, proc});
  win32::CountCreated(win32::ObjectKind::Hook);
  return handle;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  const auto& hooks = State().hooks;
  auto it = std::find_if(hooks.begin(), hooks.end(), [hook](const HookRecord& h) { return h.handle == hook; });
  if (it == hooks.end() || it + 1 == hooks.end()) return 0;
  const HOOKPROC next = (it + 1)->proc;
  return next(code, wParam, lParam);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  auto& hooks = State().hooks;
  auto it = std::find_if(hooks.begin(), hooks.end(), [hook](const HookRecord& h) { return h.handle == hook; });
  if (it == hooks.end()) return FALSE;
  hooks.erase(it);
  win32::CountDestroyed(win32::ObjectKind::Hook);
  return TRUE;
}
