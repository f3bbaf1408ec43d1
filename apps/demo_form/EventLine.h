// Writes every event the menu-bar control raises as one text line: the event's name, then
// its arguments in order, separated by single spaces ("MenuItemClick 1 File 2 Open").
// Coordinates are written as whole twips when they are whole.
#pragma once
#include <functional>
#include <string>

#include "core/MirelMenuBar20Events.h"

class EventLine final : public __MirelMenuBar20 {
 public:
  explicit EventLine(std::function<void(const std::string&)> write) : m_Write(std::move(write)) {}

  void DropDownActivate(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                        Variant& DropDownPanel) override;
  void OnDropDown(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey) override;
  void OnDropClose(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey) override;
  void DropIconClick(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                     std::int16_t IconIndex, std::string IconKey) override;
  void DropIconMouseMove(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                         std::int16_t IconIndex, std::string IconKey, std::int16_t Button, std::int16_t Shift,
                         float X, float Y) override;
  void ColorSelect(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                   std::int32_t ColorVal) override;
  void OnCustomColor(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey) override;
  void OnCustomColorClose(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                          std::string ToolKey) override;
  void MenuMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t Button, std::int16_t Shift, float X,
                     float Y) override;
  void MenuOnDrop(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuOnClose(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuOnInfrequentOpen(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuOnInfrequentClose(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                     std::string MenuItemID) override;
  void MenuItemMouseDown(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                         std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void MenuItemMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                         std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void MenuItemMouseUp(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex, std::string MenuItemID,
                       std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void ToolButtonClick(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                       std::string ToolID) override;
  void ToolButtonMouseDown(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolID,
                           std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void ToolButtonMouseMove(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolID,
                           std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void ToolButtonMouseUp(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolID,
                         std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void ToolButtonGroupIDChange(std::int16_t BandIndex, std::string BandID, std::int16_t NewToolIndex,
                               std::string NewToolID, std::int16_t OldToolIndex, std::string OldToolID,
                               std::int16_t GroupID) override;
  void ToolButtonToggleStateChange(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                   std::string ToolID, VARIANT_BOOL State) override;
  void ReSize() override;
  void ErrorMessage(std::int16_t errID, Variant Param1, Variant Param2, Variant Param3) override;
  void DisplayMoreToolsMouseDown(std::int16_t BandIndex, std::string BandID, std::int16_t Button,
                                 std::int16_t Shift, float X, float Y, float lLeft, float lBottom) override;
  void DisplayMoreToolsMouseUp(std::int16_t BandIndex, std::string BandID, std::int16_t Button, std::int16_t Shift,
                               float X, float Y, float lLeft, float lBottom) override;
  void GetPredefinedColorStrings(std::vector<std::string>& sStrings) override;

 private:
  std::function<void(const std::string&)> m_Write;
};
