// The colour arithmetic of shadows: the tool-tip shadow's factors, which depend on no visual
// style or theme, and the blend that darkens a screen pixel by a factor. The colours that do
// depend on them are in the palettes (render/styles/Palette.h).
#pragma once
#include <array>

#include "render/tRGB.h"
#include "win32/types.h"

inline constexpr int kShadowSteps = 4;

// The tool-tip shadow's factor of `step` (0 at the border, outwards); a step outside 0..3
// raises the runtime's subscript error (9).
const tRGB& PlainShadowFactor(int step);
// All four of them, step 0 first.
const std::array<tRGB, kShadowSteps>& PlainShadowFactors();

// Darkens pixel p by factor f: each channel max(0, f + p - 255).
COLORREF ShadowBlend(const tRGB& f, COLORREF p);
