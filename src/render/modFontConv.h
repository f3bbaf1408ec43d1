// The conversion of a container font object into a GDI font.
#pragma once
#include "win32/windows.h"

class StdFont;

// A new GDI font for `font` at the desktop's resolution; 0 when it cannot be made. The caller
// selects it, restores the previous font and deletes it after drawing.
HFONT FontFromStdFont(const StdFont& font);

// A font made from a font object and selected into a DC for one scope; the previous font comes
// back and the GDI font is deleted when the scope ends. A missing font object selects nothing.
class SelectedFont {
 public:
  SelectedFont(HDC hdc, const StdFont* font);
  SelectedFont(HDC hdc, const StdFont& font) : SelectedFont(hdc, &font) {}
  // Selects a font the caller keeps (it is not deleted here).
  SelectedFont(HDC hdc, HFONT borrowed);
  ~SelectedFont();
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC m_hDC;
  HFONT m_hFont = nullptr;  // made here, deleted here
  HGDIOBJ m_hOld = nullptr;
};
