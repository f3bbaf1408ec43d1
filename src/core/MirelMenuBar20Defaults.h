// Default values of a new MirelMenuBar20, shared by new-instance initialisation and the
// property bag's defaults.
#pragma once
#include <array>
#include <cstdint>

#include "container/Ole.h"

namespace MirelMenuBar20Defaults {

inline constexpr OLE_COLOR kBackColor = 0xFFFFFF;
inline constexpr OLE_COLOR kBorderColor = 0x80000003;
inline constexpr OLE_COLOR kDisabledForeColor = 0x80000011;
inline constexpr OLE_COLOR kToolTipBackColor = 0x80000018;
inline constexpr std::int16_t kMenuHeaderSpacing = 6;
inline constexpr std::int16_t kMenuItemSpacing = 2;
inline constexpr std::int16_t kToolSpacing = 0;
// The property bag's default for ToolSpacing differs from a new control's 0.
inline constexpr std::int16_t kSavedToolSpacing = 6;
inline constexpr std::int32_t kToolTipPreTime = 1000;
inline constexpr std::int32_t kToolTipPostTime = 3000;
inline constexpr std::int32_t kToolTipMaxWidth = 300;
inline constexpr const char* kMoreColors = "More Colors...";
inline constexpr const char* kPalette = "Palette";
inline constexpr const char* kSystem = "System";
// Band heights of bs16x16 .. bs48x48.
inline constexpr std::array<std::int16_t, 5> kFixedBandSizes{25, 29, 33, 37, 53};

}  // namespace MirelMenuBar20Defaults
