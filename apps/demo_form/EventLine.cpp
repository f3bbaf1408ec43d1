#include "demo_form/EventLine.h"

#include <cmath>
#include <sstream>

namespace {


void Put(std::ostringstream& out, std::int16_t value) { out << ' ' << value; }
void Put(std::ostringstream& out, std::int32_t value) { out << ' ' << value; }
void Put(std::ostringstream& out, const std::string& value) { out << ' ' << value; }
void Put(std::ostringstream& out, const Variant& value) {
  out << ' ' << (value.IsObject() ? TypeName(value) : CStr(value));
}
void Put(std::ostringstream& out, float value) {
  if (value == std::trunc(value)) {
    out << ' ' << static_cast<long>(value);
  } else {
    out << ' ' << value;
  }
}

template <class... Args>
std::string Line(const char* name, const Args&... args) {
  std::ostringstream out;
  out << name;
  (Put(out, args), ...);
  return out.str();
}

}  // namespace

void EventLine::DropDownActivate(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                 std::string ToolKey, Variant& DropDownPanel) {
  m_Write(Line("DropDownActivate", BandIndex, BandID, ToolIndex, ToolKey, DropDownPanel));
}

void EventLine::OnDropDown(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey) {
  m_Write(Line("OnDropDown", BandIndex, BandID, ToolIndex, ToolKey));
}

void EventLine::OnDropClose(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey) {
  m_Write(Line("OnDropClose", BandIndex, BandID, ToolIndex, ToolKey));
}

void EventLine::DropIconClick(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                              std::int16_t IconIndex, std::string IconKey) {
  m_Write(Line("DropIconClick", BandIndex, BandID, ToolIndex, ToolKey, IconIndex, IconKey));
}

void EventLine::DropIconMouseMove(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                  std::string ToolKey, std::int16_t IconIndex, std::string IconKey,
                                  std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Write(Line("DropIconMouseMove", BandIndex, BandID, ToolIndex, ToolKey, IconIndex, IconKey, Button, Shift, X, Y));
}

void EventLine::ColorSelect(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex, std::string ToolKey,
                            std::int32_t ColorVal) {
  m_Write(Line("ColorSelect", BandIndex, BandID, ToolIndex, ToolKey, ColorVal));
}

void EventLine::OnCustomColor(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                              std::string ToolKey) {
  m_Write(Line("OnCustomColor", BandIndex, BandID, ToolIndex, ToolKey));
}

void EventLine::OnCustomColorClose(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                   std::string ToolKey) {
  m_Write(Line("OnCustomColorClose", BandIndex, BandID, ToolIndex, ToolKey));
}

void EventLine::MenuMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t Button, std::int16_t Shift,
                              float X, float Y) {
  m_Write(Line("MenuMouseMove", MenuIndex, MenuID, Button, Shift, X, Y));
}

void EventLine::MenuOnDrop(std::int16_t MenuIndex, std::string MenuID) {
  m_Write(Line("MenuOnDrop", MenuIndex, MenuID));
}

void EventLine::MenuOnClose(std::int16_t MenuIndex, std::string MenuID) {
  m_Write(Line("MenuOnClose", MenuIndex, MenuID));
}

void EventLine::MenuOnInfrequentOpen(std::int16_t MenuIndex, std::string MenuID) {
  m_Write(Line("MenuOnInfrequentOpen", MenuIndex, MenuID));
}

void EventLine::MenuOnInfrequentClose(std::int16_t MenuIndex, std::string MenuID) {
  m_Write(Line("MenuOnInfrequentClose", MenuIndex, MenuID));
}

void EventLine::MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                              std::string MenuItemID) {
  m_Write(Line("MenuItemClick", MenuIndex, MenuID, MenuItemIndex, MenuItemID));
}

void EventLine::MenuItemMouseDown(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                  std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Write(Line("MenuItemMouseDown", MenuIndex, MenuID, MenuItemIndex, MenuItemID, Button, Shift, X, Y));
}

void EventLine::MenuItemMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                  std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Write(Line("MenuItemMouseMove", MenuIndex, MenuID, MenuItemIndex, MenuItemID, Button, Shift, X, Y));
}

void EventLine::MenuItemMouseUp(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Write(Line("MenuItemMouseUp", MenuIndex, MenuID, MenuItemIndex, MenuItemID, Button, Shift, X, Y));
}

void EventLine::ToolButtonClick(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                std::string ToolID) {
  m_Write(Line("ToolButtonClick", BandIndex, BandID, ToolIndex, ToolID));
}

void EventLine::ToolButtonMouseDown(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                    std::string ToolID, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Write(Line("ToolButtonMouseDown", BandIndex, BandID, ToolIndex, ToolID, Button, Shift, X, Y));
}

void EventLine::ToolButtonMouseMove(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                    std::string ToolID, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Write(Line("ToolButtonMouseMove", BandIndex, BandID, ToolIndex, ToolID, Button, Shift, X, Y));
}

void EventLine::ToolButtonMouseUp(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                  std::string ToolID, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Write(Line("ToolButtonMouseUp", BandIndex, BandID, ToolIndex, ToolID, Button, Shift, X, Y));
}

void EventLine::ToolButtonGroupIDChange(std::int16_t BandIndex, std::string BandID, std::int16_t NewToolIndex,
                                        std::string NewToolID, std::int16_t OldToolIndex, std::string OldToolID,
                                        std::int16_t GroupID) {
  m_Write(Line("ToolButtonGroupIDChange", BandIndex, BandID, NewToolIndex, NewToolID, OldToolIndex, OldToolID,
               GroupID));
}

void EventLine::ToolButtonToggleStateChange(std::int16_t BandIndex, std::string BandID, std::int16_t ToolIndex,
                                            std::string ToolID, VARIANT_BOOL State) {
  m_Write(Line("ToolButtonToggleStateChange", BandIndex, BandID, ToolIndex, ToolID, State));
}

void EventLine::ReSize() { m_Write("ReSize"); }

void EventLine::ErrorMessage(std::int16_t errID, Variant Param1, Variant Param2, Variant Param3) {
  m_Write(Line("ErrorMessage", errID, Param1, Param2, Param3));
}

void EventLine::DisplayMoreToolsMouseDown(std::int16_t BandIndex, std::string BandID, std::int16_t Button,
                                          std::int16_t Shift, float X, float Y, float lLeft, float lBottom) {
  m_Write(Line("DisplayMoreToolsMouseDown", BandIndex, BandID, Button, Shift, X, Y, lLeft, lBottom));
}

void EventLine::DisplayMoreToolsMouseUp(std::int16_t BandIndex, std::string BandID, std::int16_t Button,
                                        std::int16_t Shift, float X, float Y, float lLeft, float lBottom) {
  m_Write(Line("DisplayMoreToolsMouseUp", BandIndex, BandID, Button, Shift, X, Y, lLeft, lBottom));
}

void EventLine::GetPredefinedColorStrings(std::vector<std::string>& sStrings) {
  m_Write(Line("GetPredefinedColorStrings", static_cast<std::int32_t>(sStrings.size())));
}
