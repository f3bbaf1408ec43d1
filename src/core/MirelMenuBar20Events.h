// The control's event interface: one virtual method per event, in dispatch-id order, each a
// no-op by default so that a host overrides only what it handles. Booleans are 16-bit
// (True = -1), coordinates are single precision, by-reference parameters are references.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "container/Variant.h"

// Dispatch ids of the events.
namespace MirelMenuBar20Dispid {
inline constexpr std::int32_t DropDownActivate = 1;
inline constexpr std::int32_t OnDropDown = 2;
inline constexpr std::int32_t OnDropClose = 3;
inline constexpr std::int32_t DropIconClick = 4;
inline constexpr std::int32_t DropIconMouseMove = 5;
inline constexpr std::int32_t ColorSelect = 6;
inline constexpr std::int32_t OnCustomColor = 7;
inline constexpr std::int32_t OnCustomColorClose = 8;
inline constexpr std::int32_t MenuMouseMove = 9;
inline constexpr std::int32_t MenuOnDrop = 10;
inline constexpr std::int32_t MenuOnClose = 11;
inline constexpr std::int32_t MenuOnInfrequentOpen = 12;
inline constexpr std::int32_t MenuOnInfrequentClose = 13;
inline constexpr std::int32_t MenuItemClick = 14;
inline constexpr std::int32_t MenuItemMouseDown = 15;
inline constexpr std::int32_t MenuItemMouseMove = 16;
inline constexpr std::int32_t MenuItemMouseUp = 17;
inline constexpr std::int32_t ToolButtonClick = 18;
inline constexpr std::int32_t ToolButtonMouseDown = 19;
inline constexpr std::int32_t ToolButtonMouseMove = 20;
inline constexpr std::int32_t ToolButtonMouseUp = 21;
inline constexpr std::int32_t ToolButtonGroupIDChange = 22;
inline constexpr std::int32_t ToolButtonToggleStateChange = 23;
inline constexpr std::int32_t ReSize = 24;
inline constexpr std::int32_t ErrorMessage = 25;
inline constexpr std::int32_t DisplayMoreToolsMouseDown = 26;
inline constexpr std::int32_t DisplayMoreToolsMouseUp = 27;
inline constexpr std::int32_t GetPredefinedColorStrings = 28;
}  // namespace MirelMenuBar20Dispid

class __MirelMenuBar20 {
 public:
  virtual ~__MirelMenuBar20() = default;

  virtual void DropDownActivate(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                std::string /*ToolKey*/, Variant& /*DropDownPanel*/) {}
  virtual void OnDropDown(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                          std::string /*ToolKey*/) {}
  virtual void OnDropClose(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                           std::string /*ToolKey*/) {}
  virtual void DropIconClick(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                             std::string /*ToolKey*/, std::int16_t /*IconIndex*/, std::string /*IconKey*/) {}
  virtual void DropIconMouseMove(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                 std::string /*ToolKey*/, std::int16_t /*IconIndex*/, std::string /*IconKey*/,
                                 std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
  virtual void ColorSelect(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                           std::string /*ToolKey*/, std::int32_t /*ColorVal*/) {}
  virtual void OnCustomColor(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                             std::string /*ToolKey*/) {}
  virtual void OnCustomColorClose(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                  std::string /*ToolKey*/) {}
  virtual void MenuMouseMove(std::int16_t /*MenuIndex*/, std::string /*MenuID*/, std::int16_t /*Button*/,
                             std::int16_t /*Shift*/, float /*X*/, float /*Y*/) {}
  virtual void MenuOnDrop(std::int16_t /*MenuIndex*/, std::string /*MenuID*/) {}
  virtual void MenuOnClose(std::int16_t /*MenuIndex*/, std::string /*MenuID*/) {}
  virtual void MenuOnInfrequentOpen(std::int16_t /*MenuIndex*/, std::string /*MenuID*/) {}
  virtual void MenuOnInfrequentClose(std::int16_t /*MenuIndex*/, std::string /*MenuID*/) {}
  virtual void MenuItemClick(std::int16_t /*MenuIndex*/, std::string /*MenuID*/, std::int16_t /*MenuItemIndex*/,
                             std::string /*MenuItemID*/) {}
  virtual void MenuItemMouseDown(std::int16_t /*MenuIndex*/, std::string /*MenuID*/, std::int16_t /*MenuItemIndex*/,
                                 std::string /*MenuItemID*/, std::int16_t /*Button*/, std::int16_t /*Shift*/,
                                 float /*X*/, float /*Y*/) {}
  virtual void MenuItemMouseMove(std::int16_t /*MenuIndex*/, std::string /*MenuID*/, std::int16_t /*MenuItemIndex*/,
                                 std::string /*MenuItemID*/, std::int16_t /*Button*/, std::int16_t /*Shift*/,
                                 float /*X*/, float /*Y*/) {}
  virtual void MenuItemMouseUp(std::int16_t /*MenuIndex*/, std::string /*MenuID*/, std::int16_t /*MenuItemIndex*/,
                               std::string /*MenuItemID*/, std::int16_t /*Button*/, std::int16_t /*Shift*/,
                               float /*X*/, float /*Y*/) {}
  virtual void ToolButtonClick(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                               std::string /*ToolID*/) {}
  virtual void ToolButtonMouseDown(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                   std::string /*ToolID*/, std::int16_t /*Button*/, std::int16_t /*Shift*/,
                                   float /*X*/, float /*Y*/) {}
  virtual void ToolButtonMouseMove(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                   std::string /*ToolID*/, std::int16_t /*Button*/, std::int16_t /*Shift*/,
                                   float /*X*/, float /*Y*/) {}
  virtual void ToolButtonMouseUp(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                 std::string /*ToolID*/, std::int16_t /*Button*/, std::int16_t /*Shift*/,
                                 float /*X*/, float /*Y*/) {}
  virtual void ToolButtonGroupIDChange(std::int16_t /*BandIndex*/, std::string /*BandID*/,
                                       std::int16_t /*NewToolIndex*/, std::string /*NewToolID*/,
                                       std::int16_t /*OldToolIndex*/, std::string /*OldToolID*/,
                                       std::int16_t /*GroupID*/) {}
  virtual void ToolButtonToggleStateChange(std::int16_t /*BandIndex*/, std::string /*BandID*/,
                                           std::int16_t /*ToolIndex*/, std::string /*ToolID*/,
                                           VARIANT_BOOL /*State*/) {}
  virtual void ReSize() {}
  virtual void ErrorMessage(std::int16_t /*errID*/, Variant /*Param1*/, Variant /*Param2*/, Variant /*Param3*/) {}
  virtual void DisplayMoreToolsMouseDown(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*Button*/,
                                         std::int16_t /*Shift*/, float /*X*/, float /*Y*/, float /*lLeft*/,
                                         float /*lBottom*/) {}
  virtual void DisplayMoreToolsMouseUp(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*Button*/,
                                       std::int16_t /*Shift*/, float /*X*/, float /*Y*/, float /*lLeft*/,
                                       float /*lBottom*/) {}
  virtual void GetPredefinedColorStrings(std::vector<std::string>& /*sStrings*/) {}
};
