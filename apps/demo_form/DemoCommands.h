// What the demo does when a menu item or a tool is chosen: switches the visual style, the
// theme, the reading order, the tool captions and the band size, checks the chosen item of a
// group, flips check-mark items, shows the about box and closes the form; the formatting
// band's toggles, alignment group and colour drop-downs format the document, the Insert
// tool's menu and the Symbol tool's grid add to it.
// It also lays the form out again whenever the bar resizes.
#pragma once
#include <functional>
#include <string>

#include "core/MirelMenuBar20.h"
#include "demo_form/TextPane.h"

struct DemoCommandHooks {
  std::function<void()> close;     // the user chose Exit
  std::function<void()> barResized;
  std::function<void(const std::function<void(TextFormat&)>&)> reformat;  // changes the document's format
  std::function<void(const std::string&)> insert;                          // adds a line to the document
};

class DemoCommands final : public __MirelMenuBar20 {
 public:
  DemoCommands(MirelMenuBar20& bar, DemoCommandHooks hooks) : m_Bar(bar), m_Hooks(std::move(hooks)) {}

  void MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                     std::string MenuItemID) override;
  void ReSize() override;
  void ToolButtonToggleStateChange(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                   std::string ToolID, VARIANT_BOOL State) override;
  void ToolButtonGroupIDChange(std::int16_t BandIndex, std::string BandID, std::int16_t NewToolIndex,
                               std::string NewToolID, std::int16_t OldToolIndex, std::string OldToolID,
                               std::int16_t GroupID) override;
  void DropDownActivate(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                        Variant& DropDownPanel) override;
  void DropIconClick(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                     std::int16_t IconIndex, std::string IconKey) override;
  void ColorSelect(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                   std::int32_t ColorVal) override;

 private:
  bool SwitchStyle(const std::string& itemKey);
  bool SwitchTheme(const std::string& itemKey);
  bool SwitchBandSize(const std::string& itemKey);

  MirelMenuBar20& m_Bar;
  DemoCommandHooks m_Hooks;
};
