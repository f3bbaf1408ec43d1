// The demo's menu bar, built through the control's public object model: eight menus of a
// document editor with icons, hot keys, separators, grouped and checked items, a disabled
// item or two, cascading sub-menus, infrequent items on the View menu, a context menu for
// the document, and the Tools menus that switch style, theme and reading order.
#pragma once
#include <cstdint>

#include "core/MirelMenuBar20.h"
#include "demo_form/DemoBands.h"
#include "demo_form/DemoIcons.h"

// Keys the demo's command handling and its tests refer to.
namespace demo_keys {
inline constexpr char kFileMenu[] = "File";
inline constexpr char kContextMenu[] = "Context";
// The menu the standard band's Insert tool drops, and what its items put into the document.
inline constexpr char kInsertToolMenu[] = "InsertToolMenu";
inline constexpr char kExit[] = "Exit";
inline constexpr char kAbout[] = "About";
inline constexpr char kRightToLeft[] = "RightToLeft";
inline constexpr char kStyleMenu[] = "StyleMenu";
inline constexpr char kThemeMenu[] = "ThemeMenu";
// Items of the style menu, in ctsVisualStyleConstants order, and of the theme menu, in
// ctsThemes order.
inline constexpr const char* kStyleItems[] = {"Style2003", "StyleNet", "StyleIE"};
inline constexpr const char* kThemeItems[] = {"ThemeBlue", "ThemeSilver", "ThemeOlive"};
}  // namespace demo_keys

// Group ids of the exclusive item groups.
namespace demo_groups {
inline constexpr std::int16_t kLayout = 1;
inline constexpr std::int16_t kAlignment = 2;
inline constexpr std::int16_t kStyle = 3;
inline constexpr std::int16_t kTheme = 4;
inline constexpr std::int16_t kBandSize = 5;
}  // namespace demo_groups

void BuildDemoMenus(MirelMenuBar20& bar, const DemoIcons& icons);
