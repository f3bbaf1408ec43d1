// The colours a colour picker offers: the 8 x 8 palette (six rows of predefined colours and
// two custom rows that start white) and the 28 named system colours of the system page.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "container/Ole.h"

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteRows = 8;
inline constexpr int kPredefinedRows = 6;  // rows 6 and 7 are the custom rows
inline constexpr int kCustomColorCount = (kPaletteRows - kPredefinedRows) * kPaletteColumns;

// Addressed [column][row], columns and rows 0..7.
using tPalette = std::array<std::array<OLE_COLOR, kPaletteRows>, kPaletteColumns>;

// The palette as a panel starts with it.
tPalette PredefinedPalette();

inline constexpr int kSystemColorCount = 28;

struct tSystemColor {
  const char* sName;
  OLE_COLOR lColor;  // 0x80000000 + the system colour's index
};

// The system colours in the order the system page lists them.
const std::array<tSystemColor, kSystemColorCount>& SystemColors();
// Their names as a panel starts with them.
std::vector<std::string> SystemColorNames();
