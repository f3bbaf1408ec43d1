// System colours: the classic Windows defaults, configurable by the desktop.
#include <array>

#include "win32/gdi.h"
#include "win32/gdi/GdiObjects.h"

namespace {

using Table = std::array<COLORREF, kSysColorCount>;

constexpr Table kClassicColors = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25: alternate button face
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

Table& Colors() {
  static Table colors = kClassicColors;
  return colors;
}

// One stock-like brush per system colour, recoloured in place when the colour changes.
std::array<HBRUSH, kSysColorCount>& Brushes() {
  static std::array<HBRUSH, kSysColorCount> brushes = [] {
    std::array<HBRUSH, kSysColorCount> b{};
    for (size_t i = 0; i < b.size(); ++i) {
      win32::gdi::BrushObject brush;
      brush.color = Colors()[i];
      b[i] = win32::gdi::AddObject(brush, true);
    }
    return b;
  }();
  return brushes;
}

bool ValidIndex(int index) { return index >= 0 && index < kSysColorCount; }

}  // namespace

namespace win32 {

void SetSysColorValue(int index, COLORREF color) {
  if (!ValidIndex(index)) return;
  Colors()[static_cast<size_t>(index)] = color;
  gdi::Find<gdi::BrushObject>(Brushes()[static_cast<size_t>(index)])->color = color;
}

void ResetSysColors() {
  for (int i = 0; i < kSysColorCount; ++i) SetSysColorValue(i, kClassicColors[static_cast<size_t>(i)]);
}

}  // namespace win32

DWORD GetSysColor(int index) { return ValidIndex(index) ? Colors()[static_cast<size_t>(index)] : 0; }

HBRUSH GetSysColorBrush(int index) { return ValidIndex(index) ? Brushes()[static_cast<size_t>(index)] : nullptr; }

BOOL SetSysColors(int count, const INT* indexes, const COLORREF* colors) {
  if (count < 0 || (count > 0 && (!indexes || !colors))) return FALSE;
  for (int i = 0; i < count; ++i) win32::SetSysColorValue(indexes[i], colors[i]);
  return TRUE;
}
