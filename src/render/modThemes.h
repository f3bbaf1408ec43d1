// Whether the system offers visual styles, and the choice of a theme from the system's
// current visual style.
#pragma once
#include "common/MirelMenuBar20Enums.h"
#include "win32/types.h"

// Process-wide: recomputed from the reported OS version (visual styles exist from 5.1 on)
// each time a control registers its window.
void DetectVisualStyles();
bool VisualStylesAvailable();

// The theme that matches the system's Luna colour, or `current` when visual styles are
// unavailable, the theme API fails, or the style is not one of the three Luna colours.
ctsThemes ThemeFromSystem(ctsThemes current, HWND hWnd);
