// Base types of the Win32-compatible layer: integer widths, handles, geometry, colours.
// Handle values are small integers from per-kind handle tables so that they fit the
// 32-bit fields a native control stores them in.
#pragma once
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using SHORT = std::int16_t;
using INT = int;
using BOOL = int;
using CHAR = char;
using WCHAR = char16_t;  // UTF-16 code unit, as on Windows
using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPVOID = void*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using ATOM = WORD;
using COLORREF = DWORD;  // 0x00BBGGRR

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

#define MIREL_DECLARE_HANDLE(name) \
  struct name##__ {                \
    int unused;                    \
  };                               \
  using name = name##__*

MIREL_DECLARE_HANDLE(HWND);
MIREL_DECLARE_HANDLE(HDC);
MIREL_DECLARE_HANDLE(HINSTANCE);
MIREL_DECLARE_HANDLE(HHOOK);
MIREL_DECLARE_HANDLE(HKL);
MIREL_DECLARE_HANDLE(HTHEME);
MIREL_DECLARE_HANDLE(HMENU);
MIREL_DECLARE_HANDLE(HICON);
MIREL_DECLARE_HANDLE(HCURSOR);
MIREL_DECLARE_HANDLE(HIMAGELIST);
// GDI objects share one handle space so that SelectObject/DeleteObject can take any of them.
MIREL_DECLARE_HANDLE(HGDIOBJ_);
using HGDIOBJ = HGDIOBJ_;
using HBITMAP = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HPEN = HGDIOBJ;
using HFONT = HGDIOBJ;
using HRGN = HGDIOBJ;
using HPALETTE = HGDIOBJ;
using HMODULE = HINSTANCE;

// Converts between a handle and the 32-bit value a record stores.
template <class Handle>
constexpr LONG HandleToLong(Handle h) {
  return static_cast<LONG>(reinterpret_cast<std::intptr_t>(h));
}
template <class Handle>
Handle LongToHandle(LONG v) {
  return reinterpret_cast<Handle>(static_cast<std::intptr_t>(v));
}

struct POINT {
  LONG x;
  LONG y;
};
struct SIZE {
  LONG cx;
  LONG cy;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPRECT = RECT*;
using LPPOINT = POINT*;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>(static_cast<DWORD>(static_cast<WORD>(lo)) |
                             (static_cast<DWORD>(static_cast<WORD>(hi)) << 16));
}
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lp))); }

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int, WPARAM, LPARAM);
// COM-style result codes.
using HRESULT = LONG;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
inline constexpr HRESULT E_HANDLE = static_cast<HRESULT>(0x80070006);

inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

using TIMERPROC = void (*)(HWND, UINT, std::uintptr_t, DWORD);
