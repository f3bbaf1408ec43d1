// The choice between the wide and the ANSI text entry points. On the NT platform family text
// goes to the W functions as UTF-16; elsewhere it is converted to Windows-1252 ("?" for what
// the code page lacks) and goes to the A functions with the same length. Painting code that
// calls DrawTextW/A or DrawTextExW/A itself makes the same choice through UseWideText().
#pragma once
#include <string_view>

#include "win32/windows.h"

// Reads the platform from GetVersionExA and sets the process-wide flag; the control calls it
// when it initializes, before anything is painted.
void InitUnicodeSupport();
// The process-wide flag: true on the NT platform family.
bool UseWideText();

LONG MeasureTextWidth(HDC hDC, std::string_view text);
LONG MeasureTextHeight(HDC hDC, std::string_view text);
// The height of the sample "Qq".
LONG MeasureTextHeight(HDC hDC);
// The height of a line of the menu bar and the menu windows: the sample "Wg".
LONG MeasureLineHeight(HDC hDC);

// DrawText on left..right x top..bottom (note the argument order) with the caller's format
// flags; returns DrawText's result.
int DrawTextAuto(HDC hDC, std::string_view text, LONG left, LONG right, LONG top, LONG bottom, UINT flags);
