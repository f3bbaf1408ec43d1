// The visual-styles (theme) API: which visual style the system runs and theme handles for
// window classes. Answers follow the visual style configured in win32/system_info.h.
#pragma once
#include "win32/system_info.h"
#include "win32/types.h"

// Opens theme data for the first class of the semicolon-separated list that the visual
// style knows (case-insensitive); NULL when visual styles are off or no class is known.
HTHEME OpenThemeData(HWND hwnd, LPCWSTR pszClassList);
HRESULT CloseThemeData(HTHEME hTheme);
// Copies the file, colour and size names of the current style, each cut to its buffer
// (a null buffer is skipped); E_FAIL when visual styles are off.
HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                            int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);
BOOL IsThemeActive();
