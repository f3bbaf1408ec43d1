// What the demo does when a menu item is chosen: switches the visual style, the theme, the
// reading order, the tool captions and the band size, checks the chosen item of a group, flips check-mark items, shows the
// about box and closes the form. It also lays the form out again whenever the bar resizes.
#pragma once
#include <functional>

#include "core/MirelMenuBar20.h"

struct DemoCommandHooks {
  std::function<void()> close;     // the user chose Exit
  std::function<void()> barResized;
};

class DemoCommands final : public __MirelMenuBar20 {
 public:
  DemoCommands(MirelMenuBar20& bar, DemoCommandHooks hooks) : m_Bar(bar), m_Hooks(std::move(hooks)) {}

  void MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                     std::string MenuItemID) override;
  void ReSize() override;

 private:
  bool SwitchStyle(const std::string& itemKey);
  bool SwitchTheme(const std::string& itemKey);
  bool SwitchBandSize(const std::string& itemKey);

  MirelMenuBar20& m_Bar;
  DemoCommandHooks m_Hooks;
};
