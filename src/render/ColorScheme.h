// The process-wide colour tables, indexed by visual style s and theme t (element s + 3 * t;
// the themed shadow adds the step: s + 3 * t + 9 * step), the lookup and the shadow blend.
#pragma once
#include <array>

#include "render/modThemes.h"
#include "render/tRGB.h"

inline constexpr int kShadowSteps = 4;

using ColorTable = std::array<tRGB, kVisualStyleCount * kThemeCount>;
using ShadowTable = std::array<tRGB, kVisualStyleCount * kThemeCount * kShadowSteps>;
using PlainShadowTable = std::array<tRGB, kShadowSteps>;

extern ColorTable ColorHighlightOutline;
extern ColorTable ColorHighlightFill;
extern ColorTable ColorPressedFill;
extern ColorTable ColorInfrequentFill;
extern ColorTable ColorInfrequentEdge;
extern ColorTable ColorMenuBorder;
extern ColorTable ColorPanelHighlightOutline;
extern ColorTable ColorPanelHighlightFill;
extern ShadowTable ShadowFactorsThemed;
extern PlainShadowTable ShadowFactorsPlain;

// Fills every table; called before anything is painted and safe to call again.
void FillColorScheme();

// Style, theme or step out of range raise the runtime's subscript error (9).
const tRGB& SchemeColor(const ColorTable& table, int style, int theme);
const tRGB& ShadowFactor(int style, int theme, int step);
const tRGB& PlainShadowFactor(int step);

// Darkens pixel p by factor f: each channel max(0, f + p - 255).
COLORREF ShadowBlend(const tRGB& f, COLORREF p);
