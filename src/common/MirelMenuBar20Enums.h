// Enumerations of the control's automation interface, shared by every subsystem.
#pragma once
#include <cstdint>

#include "win32/types.h"

// Automation enumerations are 32-bit, as the runtime stores them.
enum ctsThemes : std::int32_t { XPBlue = 0, XPSilver = 1, XPOlive = 2 };
enum ctsVisualStyleConstants : std::int32_t { tsMS2003 = 0, tsMSNet = 1, tsMSIE = 2 };

inline constexpr int kThemeCount = 3;
inline constexpr int kVisualStyleCount = 3;

// VisualStyle and Theme are stored unchecked (lets and saved settings take any value); one
// outside the known values draws as the default, so no paint or drop fails on it.
constexpr ctsVisualStyleConstants DrawnVisualStyle(ctsVisualStyleConstants style) {
  return style >= 0 && style < kVisualStyleCount ? style : tsMS2003;
}
constexpr ctsThemes DrawnTheme(ctsThemes theme) { return theme >= 0 && theme < kThemeCount ? theme : XPBlue; }

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
