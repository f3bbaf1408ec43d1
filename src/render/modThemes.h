// Visual styles and colour themes of the control, whether the system offers visual styles,
// and the choice of a theme from the system's current visual style.
#pragma once
#include "win32/types.h"

enum ctsThemes : SHORT { XPBlue = 0, XPSilver = 1, XPOlive = 2 };
enum ctsVisualStyleConstants : SHORT { tsMS2003 = 0, tsMSNet = 1, tsMSIE = 2 };

inline constexpr int kThemeCount = 3;
inline constexpr int kVisualStyleCount = 3;

// Process-wide: recomputed from the reported OS version (visual styles exist from 5.1 on)
// each time a control registers its window.
void DetectVisualStyles();
bool VisualStylesAvailable();

// The theme that matches the system's Luna colour, or `current` when visual styles are
// unavailable, the theme API fails, or the style is not one of the three Luna colours.
ctsThemes ThemeFromSystem(ctsThemes current, HWND hWnd);
