// The conversion of a container font object into a GDI font.
#pragma once
#include "win32/windows.h"

class StdFont;

// A new GDI font for `font` at the desktop's resolution; 0 when it cannot be made. The caller
// selects it, restores the previous font and deletes it after drawing.
HFONT FontFromStdFont(const StdFont& font);
