// The soft shadows of menus and tool tips: strips along a window's right and bottom edges
// that show the screen under the window, darkened step by step.
#pragma once
#include <array>

#include "render/ColorScheme.h"
#include "render/tRGB.h"
#include "win32/windows.h"

// The edge a shadow runs along.
enum class ShadowEdge { Right, Bottom };

// One edge's shadow on a window of `window` pixels whose top-left screen pixel is
// `windowOrigin`: step i (0 nearest the body) lies i pixels beyond `bodyEnd` (the first column
// right of the body, or the first row below it) and runs the window's full height (width),
// its first `copied` pixels undarkened, blended with factors[i]; steps outside the window
// are not drawn.
void DrawEdgeShadow(HDC hTarget, HDC hScreen, POINT windowOrigin, SIZE window, ShadowEdge edge, int bodyEnd,
                    int copied, const std::array<tRGB, kShadowSteps>& factors);
