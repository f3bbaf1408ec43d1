// The nine visual style x colour theme pairs, for parameterised tests:
//   INSTANTIATE_TEST_SUITE_P(All, MyTest, mirel_test::AllStyleThemes(), mirel_test::StyleThemeName);
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "render/modThemes.h"

namespace mirel_test {

struct StyleTheme {
  ctsVisualStyleConstants style;
  ctsThemes theme;
};

inline std::string StyleThemeText(const StyleTheme& p) {
  static const char* const kStyles[] = {"MS2003", "MSNet", "MSIE"};
  static const char* const kThemes[] = {"XPBlue", "XPSilver", "XPOlive"};
  return std::string(kStyles[p.style]) + "_" + kThemes[p.theme];
}
inline void PrintTo(const StyleTheme& p, std::ostream* out) { *out << StyleThemeText(p); }
inline std::string StyleThemeName(const ::testing::TestParamInfo<StyleTheme>& info) {
  return StyleThemeText(info.param);
}

inline auto AllStyleThemes() {
  return ::testing::Values(StyleTheme{tsMS2003, XPBlue}, StyleTheme{tsMS2003, XPSilver}, StyleTheme{tsMS2003, XPOlive},
                           StyleTheme{tsMSNet, XPBlue}, StyleTheme{tsMSNet, XPSilver}, StyleTheme{tsMSNet, XPOlive},
                           StyleTheme{tsMSIE, XPBlue}, StyleTheme{tsMSIE, XPSilver}, StyleTheme{tsMSIE, XPOlive});
}

}  // namespace mirel_test
