#include "demo_form/DemoCommands.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "demo_form/DemoMenus.h"

namespace {

// Items that show a check mark which each choice turns on or off.
constexpr std::array<std::string_view, 7> kToggleItems{"Ruler",        "StatusBar", "TbStandard",
                                                       "TbFormatting", "TbDrawing", demo_keys::kRightToLeft,
                                                       demo_keys::kToolCaptions};

template <std::size_t N>
int PositionOf(const char* const (&keys)[N], const std::string& key) {
  const auto it = std::find(std::begin(keys), std::end(keys), key);
  return it == std::end(keys) ? -1 : static_cast<int>(it - std::begin(keys));
}

}  // namespace

void DemoCommands::MenuItemClick(std::int16_t MenuIndex, std::string /*MenuID*/, std::int16_t MenuItemIndex,
                                 std::string MenuItemID) {
  const auto item = m_Bar.Menus()->Item(Variant::Integer(MenuIndex))->MenuItems()->Item(Variant::Integer(MenuItemIndex));
  if (MenuItemID == demo_keys::kExit) {
    m_Hooks.close();
    return;
  }
  if (MenuItemID == demo_keys::kAbout) {
    m_Bar.About();
    return;
  }
  if (MenuItemID == demo_keys::kRightToLeft) {
    m_Bar.SetRightToLeft(m_Bar.RightToLeft() ? VARIANT_FALSE : VARIANT_TRUE);
  } else if (MenuItemID == demo_keys::kToolCaptions) {
    ShowToolCaptions(m_Bar, !item->Checked());
  } else if (!SwitchStyle(MenuItemID) && !SwitchTheme(MenuItemID)) {
    SwitchBandSize(MenuItemID);
  }
  if (item->Grouped()) {
    item->Checked(true);
  } else if (std::find(kToggleItems.begin(), kToggleItems.end(), MenuItemID) != kToggleItems.end()) {
    item->Checked(!item->Checked());
  }
}

bool DemoCommands::SwitchStyle(const std::string& itemKey) {
  const int style = PositionOf(demo_keys::kStyleItems, itemKey);
  if (style < 0) return false;
  m_Bar.SetVisualStyle(static_cast<ctsVisualStyleConstants>(style));
  return true;
}

bool DemoCommands::SwitchTheme(const std::string& itemKey) {
  const int theme = PositionOf(demo_keys::kThemeItems, itemKey);
  if (theme < 0) return false;
  m_Bar.SetTheme(static_cast<ctsThemes>(theme));
  return true;
}

bool DemoCommands::SwitchBandSize(const std::string& itemKey) {
  const int size = PositionOf(demo_keys::kBandSizeItems, itemKey);
  if (size < 0) return false;
  m_Bar.SetDefaultBandSize(static_cast<ctsBandSizeConstants>(size));
  return true;
}

void DemoCommands::ReSize() {
  if (m_Hooks.barResized) m_Hooks.barResized();
}
