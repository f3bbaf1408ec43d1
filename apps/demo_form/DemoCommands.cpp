#include "demo_form/DemoCommands.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>

#include "container/Ole.h"
#include "demo_form/DemoBands.h"
#include "demo_form/DemoMenus.h"

namespace {

// Items that show a check mark which each choice turns on or off.
constexpr std::array<std::string_view, 7> kToggleItems{"Ruler",        "StatusBar", "TbStandard",
                                                       "TbFormatting", "TbDrawing", demo_keys::kRightToLeft,
                                                       demo_keys::kToolCaptions};

// What the Insert tool's menu items put into the document.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kInsertions{{
    {"InsPicture", "[Picture: chart.png]"},
    {"InsTable", "[Table: 3 x 4]"},
    {"InsDate", "[Date: 6 December 2026]"},
    {"InsSymbol", "[Symbol: Omega]"},
}};

// The alignment group's tools, in DT_ order of their alignment.
constexpr std::array<std::pair<std::string_view, UINT>, 3> kAlignments{{
    {"Left", DT_LEFT}, {"Center", DT_CENTER}, {"Right", DT_RIGHT}}};

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
  for (const auto& [key, text] : kInsertions) {
    if (MenuItemID == key && m_Hooks.insert) m_Hooks.insert(std::string(text));
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

void DemoCommands::ToolButtonToggleStateChange(std::int16_t /*BandIndex*/, std::string /*BandID*/,
                                               std::int16_t /*ToolIndex*/, std::string ToolID, VARIANT_BOOL State) {
  if (!m_Hooks.reformat) return;
  const bool bOn = State != VARIANT_FALSE;
  m_Hooks.reformat([&](TextFormat& format) {
    if (ToolID == "Bold") format.bold = bOn;
    if (ToolID == "Italic") format.italic = bOn;
    if (ToolID == "Underline") format.underline = bOn;
  });
}

void DemoCommands::ToolButtonGroupIDChange(std::int16_t /*BandIndex*/, std::string /*BandID*/,
                                           std::int16_t /*NewToolIndex*/, std::string NewToolID,
                                           std::int16_t /*OldToolIndex*/, std::string /*OldToolID*/,
                                           std::int16_t /*GroupID*/) {
  for (const auto& alignment : kAlignments) {
    const UINT align = alignment.second;
    if (NewToolID == alignment.first && m_Hooks.reformat) m_Hooks.reformat([align](TextFormat& format) { format.align = align; });
  }
}

void DemoCommands::DropDownActivate(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                    std::string ToolKey, Variant& DropDownPanel) {
  if (ToolKey == demo_keys::kInsertTool) DropDownPanel = Variant(demo_keys::kInsertToolMenu);
  if (ToolKey == demo_keys::kSymbolTool) DropDownPanel = Variant(demo_keys::kSymbolsDropDown);
}

void DemoCommands::DropIconClick(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                                 std::string ToolKey, std::int16_t /*IconIndex*/, std::string IconKey) {
  if (ToolKey != demo_keys::kSymbolTool || !m_Hooks.insert) return;
  for (const DemoSymbol& symbol : kDemoSymbols) {
    if (IconKey == symbol.key) m_Hooks.insert(symbol.text);
  }
}

// The colour picked (a system colour too) colours the document's text or the highlight behind it.
void DemoCommands::ColorSelect(std::int16_t /*BandIndex*/, std::string /*BandID*/, std::int16_t /*ToolIndex*/,
                               std::string ToolKey, std::int32_t ColorVal) {
  if (!m_Hooks.reformat) return;
  COLORREF colour = 0;
  if (OleTranslateColor(static_cast<OLE_COLOR>(ColorVal), nullptr, &colour) != S_OK) return;
  m_Hooks.reformat([&](TextFormat& format) {
    if (ToolKey == demo_keys::kFontColorTool) format.color = colour;
    if (ToolKey == demo_keys::kHighlightTool) format.highlight = colour;
  });
}
