#include "drop/DropColors.h"

namespace {

constexpr OLE_COLOR kCustomStart = 0xFFFFFF;

// Rows 0..5, columns 0..7 (0x00BBGGRR).
constexpr std::array<std::array<OLE_COLOR, kPaletteColumns>, kPredefinedRows> kPredefined{{
    {0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF},
    {0xE0E0E0, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80FF},
    {0xC0C0C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF},
    {0x808080, 0x0000C0, 0x0040C0, 0x00C0C0, 0x00C000, 0xC0C000, 0xC00000, 0xC000C0},
    {0x404040, 0x000080, 0x004080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080},
    {0x000000, 0x000040, 0x404080, 0x004040, 0x004000, 0x404000, 0x400000, 0x400040},
}};

constexpr std::array<tSystemColor, kSystemColorCount> kSystemColors{{
    {"Scrollbars", 0x80000000},
    {"Desktop", 0x80000001},
    {"Active Titlebar", 0x80000002},
    {"Active Gradient", 0x8000001B},
    {"Inactive Titlebar", 0x80000003},
    {"Inactive Gradient", 0x8000001C},
    {"Menu Bar", 0x80000004},
    {"Window Background", 0x80000005},
    {"Window Frame", 0x80000006},
    {"Menu Text", 0x80000007},
    {"Window Text", 0x80000008},
    {"Active Titlebar Text", 0x80000009},
    {"Active Border", 0x8000000A},
    {"Inactive Border", 0x8000000B},
    {"Application Workspace", 0x8000000C},
    {"Highlight", 0x8000000D},
    {"Highlight Text", 0x8000000E},
    {"Button Face", 0x8000000F},
    {"Button Shadow", 0x80000010},
    {"Disabled Text", 0x80000011},
    {"Button Text", 0x80000012},
    {"Inactive Titlebar Text", 0x80000013},
    {"Button Highlight", 0x80000014},
    {"Button Dark Shadow", 0x80000015},
    {"Button Light Shadow", 0x80000016},
    {"ToolTip Text", 0x80000017},
    {"ToolTip", 0x80000018},
    {"Hot Items", 0x8000001A},
}};

}  // namespace

tPalette PredefinedPalette() {
  tPalette palette{};
  for (int c = 0; c < kPaletteColumns; ++c) {
    for (int r = 0; r < kPaletteRows; ++r) {
      palette[c][r] = r < kPredefinedRows ? kPredefined[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]
                                          : kCustomStart;
    }
  }
  return palette;
}

const std::array<tSystemColor, kSystemColorCount>& SystemColors() { return kSystemColors; }

std::vector<std::string> SystemColorNames() {
  std::vector<std::string> names;
  for (const tSystemColor& colour : kSystemColors) names.emplace_back(colour.sName);
  return names;
}
