// What USER keeps per window class and per window.
#pragma once
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "win32/surface.h"
#include "win32/user.h"

namespace win32::userimpl {

struct ClassRecord {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HBRUSH background = nullptr;
  HINSTANCE instance = nullptr;
  bool unicode = false;
};

struct WindowRecord {
  HWND hwnd = nullptr;
  std::string className;
  UINT classStyle = 0;
  HBRUSH classBackground = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // the desktop window for top-level windows
  HWND owner = nullptr;   // top-level windows only
  RECT rect{};            // in the parent's client coordinates (screen for top-level windows)
  std::string text;
  LONG_PTR userData = 0;
  LONG id = 0;
  HINSTANCE instance = nullptr;
  // Property names compare without case, as Windows' atoms do; lookups take the caller's
  // text as it is (a window procedure finds its object on every message).
  struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
      const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
      return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                          [&](unsigned char x, unsigned char y) { return fold(x) < fold(y); });
    }
  };
  std::map<std::string, void*, NoCaseLess> props;
  bool unicode = false;
  bool child = false;  // lives inside a parent's client area, not on the desktop
  bool destroying = false;

  // Pending paint: the union of invalidated rectangles, in client coordinates.
  bool hasUpdate = false;
  bool erasePending = false;
  RECT update{};

  std::vector<HWND> children;        // z-order, top first
  // Top-level windows draw here. Made when first needed; it holds only the part of the window
  // on the screen, `surfaceArea` (window coordinates), as nothing shows the rest.
  std::unique_ptr<Surface> surface;
  RECT surfaceArea{};

  bool IsChild() const { return child; }
  bool IsVisibleStyle() const { return (style & WS_VISIBLE) != 0; }
  bool IsTopmost() const { return (exStyle & WS_EX_TOPMOST) != 0; }
  int Width() const { return rect.right - rect.left; }
  int Height() const { return rect.bottom - rect.top; }
};

}  // namespace win32::userimpl
