// Screen points a user aims at on the demo form: the middle of a caption on the bar, the
// middle of an item's row in an open menu window and the arrow of a drop-down tool. The gallery and the end-to-end test
// use them to drive the form with injected or real input.
#pragma once
#include <string_view>

#include "core/MirelMenuBar20.h"

// Screen pixel in the middle of bar caption iMenu (1-based).
POINT CaptionPoint(MirelMenuBar20& bar, int iMenu);
// Screen pixel over the text of item i (1-based) of the open menu window hWndMenu.
POINT RowPoint(HWND hWndMenu, int i);
// Screen pixel on the arrow part of tool sToolKey of band sBandKey; (-1, -1) when there is none.
POINT ToolArrowPoint(MirelMenuBar20& bar, std::string_view sBandKey, std::string_view sToolKey);
