// Values kept one per colour theme, and the checked theme index every style shares.
#pragma once
#include <array>
#include <cstddef>

#include "common/MirelMenuBar20Enums.h"

namespace styles {

template <class T>
using PerTheme = std::array<T, kThemeCount>;

// The index of `theme`; a theme outside the three raises the runtime's subscript error (9).
int ThemeIndex(ctsThemes theme);

// The entry for `theme`, checked as ThemeIndex checks it.
template <class T>
const T& ByTheme(const PerTheme<T>& values, ctsThemes theme) {
  return values[static_cast<std::size_t>(ThemeIndex(theme))];
}

}  // namespace styles
