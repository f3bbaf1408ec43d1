// Enumerations of the control's automation interface that belong to the control itself
// (themes and visual styles come with the rendering code).
#pragma once
#include <cstdint>

#include "container/Ole.h"
#include "render/modThemes.h"

enum ctsBandSizeConstants : std::int32_t {
  bs16x16 = 0,
  bs24x24 = 1,
  bs28x28 = 2,
  bs32x32 = 3,
  bs48x48 = 4,
  bsCustom = 5,
};

// The band sizes without bsCustom.
using ctsMenuDropSizeConstants = ctsBandSizeConstants;

enum ctsMBImageListTypeConstants : std::int32_t { imlMenuHeader = 0, imlMenuItems = 1, imlToolItems = 2 };
