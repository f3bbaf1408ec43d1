// Layout and painting of the colour dialog: 48 basic colours, 16 custom colours, the
// "Define Custom Colors >>" button, OK and Cancel, and with CC_FULLOPEN a colour spectrum
// with a preview of the chosen colour.
#pragma once
#include <array>

#include "win32/windows.h"

namespace win32::userimpl {

inline constexpr int kBasicColorCount = 48;
inline constexpr int kCustomColorCount = 16;
inline constexpr int kSwatchCount = kBasicColorCount + kCustomColorCount;
inline constexpr int kSwatchColumns = 8;

enum class DialogButton { None, Ok, Cancel, DefineCustom };

struct ColorDialogModel {
  std::array<COLORREF, kCustomColorCount> custom{};
  int selected = 0;  // swatch index: basic colours first, then custom ones
  COLORREF color = 0;
  bool fullOpen = false;
  bool canOpenFull = true;
};

COLORREF BasicColor(int index);
SIZE ColorDialogSize(bool fullOpen);
RECT SwatchRect(int index);
int SwatchAt(POINT pt);  // -1 when none
DialogButton ButtonAt(POINT pt, const ColorDialogModel& model);
void PaintColorDialog(HDC hdc, const ColorDialogModel& model);

}  // namespace win32::userimpl
