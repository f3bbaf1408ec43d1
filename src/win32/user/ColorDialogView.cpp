#include "win32/user/ColorDialogView.h"

#include <cstring>

namespace win32::userimpl {

namespace {

constexpr int kMargin = 8;
constexpr int kLabelHeight = 16;
constexpr int kCellWidth = 26;
constexpr int kCellHeight = 22;
constexpr int kSwatchInset = 3;
constexpr int kBasicRows = kBasicColorCount / kSwatchColumns;
constexpr int kBasicTop = kMargin + kLabelHeight;
constexpr int kCustomLabelTop = kBasicTop + kBasicRows * kCellHeight + kMargin;
constexpr int kCustomTop = kCustomLabelTop + kLabelHeight;
constexpr int kCustomRows = kCustomColorCount / kSwatchColumns;
constexpr int kLeftPaneWidth = 2 * kMargin + kSwatchColumns * kCellWidth;
constexpr int kButtonHeight = 23;
constexpr int kDefineTop = kCustomTop + kCustomRows * kCellHeight + kMargin;
constexpr int kOkCancelTop = kDefineTop + kButtonHeight + kMargin;
constexpr int kOkCancelWidth = 66;
constexpr int kDialogHeight = kOkCancelTop + kButtonHeight + kMargin;
constexpr int kSpectrumLeft = kLeftPaneWidth + kMargin;
constexpr int kSpectrumWidth = 180;
constexpr int kSpectrumHeight = kBasicRows * kCellHeight;
constexpr int kFullWidth = kSpectrumLeft + kSpectrumWidth + kMargin;
constexpr int kPreviewWidth = 60;
constexpr int kPreviewHeight = 40;
constexpr int kHueSteps = 6;
constexpr int kMaxChannel = 255;
constexpr int kFontHeight = -11;

constexpr DWORD kBasicRgb[kBasicColorCount] = {
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF,
};
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr DWORD kChannelMask = 0xFF;

constexpr RECT kDefineRect{kMargin, kDefineTop, kLeftPaneWidth - kMargin, kDefineTop + kButtonHeight};
constexpr RECT kOkRect{kMargin, kOkCancelTop, kMargin + kOkCancelWidth, kOkCancelTop + kButtonHeight};
constexpr RECT kCancelRect{kMargin * 2 + kOkCancelWidth, kOkCancelTop, kMargin * 2 + 2 * kOkCancelWidth,
                           kOkCancelTop + kButtonHeight};
constexpr RECT kSpectrumRect{kSpectrumLeft, kBasicTop, kSpectrumLeft + kSpectrumWidth, kBasicTop + kSpectrumHeight};
constexpr RECT kPreviewRect{kSpectrumLeft, kCustomTop, kSpectrumLeft + kPreviewWidth, kCustomTop + kPreviewHeight};

void Fill(HDC hdc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &rect, brush);
  DeleteObject(brush);
}

void Frame(HDC hdc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FrameRect(hdc, &rect, brush);
  DeleteObject(brush);
}

void Label(HDC hdc, const char* text, RECT rect, UINT format, bool enabled) {
  SetTextColor(hdc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextA(hdc, text, -1, &rect, format | DT_SINGLELINE);
}

void Button(HDC hdc, const RECT& rect, const char* caption, bool enabled) {
  Fill(hdc, rect, GetSysColor(COLOR_BTNFACE));
  Frame(hdc, rect, GetSysColor(COLOR_WINDOWFRAME));
  Label(hdc, caption, rect, DT_CENTER | DT_VCENTER, enabled);
}

// Hue across, saturation down, at full value.
COLORREF SpectrumColor(int x, int y) {
  const int segment = x * kHueSteps / kSpectrumWidth;
  const int within = (x * kHueSteps) % kSpectrumWidth * kMaxChannel / kSpectrumWidth;
  int rgb[3] = {};
  const int rising = within;
  const int falling = kMaxChannel - within;
  const int table[kHueSteps][3] = {{kMaxChannel, rising, 0}, {falling, kMaxChannel, 0}, {0, kMaxChannel, rising},
                                   {0, falling, kMaxChannel}, {rising, 0, kMaxChannel}, {kMaxChannel, 0, falling}};
  for (int c = 0; c < 3; ++c) {
    const int pure = table[segment][c];
    rgb[c] = pure + (kMaxChannel - pure) * y / kSpectrumHeight;  // towards grey-white at the bottom
  }
  return RGB(static_cast<BYTE>(rgb[0]), static_cast<BYTE>(rgb[1]), static_cast<BYTE>(rgb[2]));
}

void PaintSpectrum(HDC hdc, const ColorDialogModel& model) {
  for (int y = 0; y < kSpectrumHeight; ++y) {
    for (int x = 0; x < kSpectrumWidth; ++x) SetPixelV(hdc, kSpectrumRect.left + x, kSpectrumRect.top + y, SpectrumColor(x, y));
  }
  Frame(hdc, kSpectrumRect, GetSysColor(COLOR_BTNSHADOW));
  Fill(hdc, kPreviewRect, model.color);
  Frame(hdc, kPreviewRect, GetSysColor(COLOR_WINDOWFRAME));
  Label(hdc, "Color|Solid", RECT{kPreviewRect.left, kPreviewRect.bottom, kSpectrumRect.right, kPreviewRect.bottom + kLabelHeight},
        DT_LEFT, true);
}

}  // namespace

COLORREF BasicColor(int index) {
  const DWORD rgb = kBasicRgb[index];
  return RGB(static_cast<BYTE>((rgb >> kRedShift) & kChannelMask), static_cast<BYTE>((rgb >> kGreenShift) & kChannelMask),
             static_cast<BYTE>(rgb & kChannelMask));
}

SIZE ColorDialogSize(bool fullOpen) { return SIZE{fullOpen ? kFullWidth : kLeftPaneWidth, kDialogHeight}; }

RECT SwatchRect(int index) {
  const bool custom = index >= kBasicColorCount;
  const int i = custom ? index - kBasicColorCount : index;
  const int top = (custom ? kCustomTop : kBasicTop) + (i / kSwatchColumns) * kCellHeight;
  const int left = kMargin + (i % kSwatchColumns) * kCellWidth;
  return RECT{left, top, left + kCellWidth, top + kCellHeight};
}

int SwatchAt(POINT pt) {
  for (int i = 0; i < kSwatchCount; ++i) {
    const RECT r = SwatchRect(i);
    if (PtInRect(&r, pt)) return i;
  }
  return -1;
}

DialogButton ButtonAt(POINT pt, const ColorDialogModel& model) {
  if (PtInRect(&kOkRect, pt)) return DialogButton::Ok;
  if (PtInRect(&kCancelRect, pt)) return DialogButton::Cancel;
  if (PtInRect(&kDefineRect, pt) && model.canOpenFull && !model.fullOpen) return DialogButton::DefineCustom;
  return DialogButton::None;
}

void PaintColorDialog(HDC hdc, const ColorDialogModel& model) {
  const SIZE size = ColorDialogSize(model.fullOpen);
  Fill(hdc, RECT{0, 0, size.cx, size.cy}, GetSysColor(COLOR_BTNFACE));
  LOGFONTA lf{};
  lf.lfHeight = kFontHeight;
  std::strncpy(lf.lfFaceName, "MS Sans Serif", sizeof lf.lfFaceName - 1);
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ oldFont = SelectObject(hdc, font);
  SetBkMode(hdc, TRANSPARENT);
  Label(hdc, "&Basic colors:", RECT{kMargin, kMargin, kLeftPaneWidth, kBasicTop}, DT_LEFT, true);
  Label(hdc, "&Custom colors:", RECT{kMargin, kCustomLabelTop, kLeftPaneWidth, kCustomTop}, DT_LEFT, true);
  for (int i = 0; i < kSwatchCount; ++i) {
    const RECT cell = SwatchRect(i);
    const RECT swatch{cell.left + kSwatchInset, cell.top + kSwatchInset, cell.right - kSwatchInset, cell.bottom - kSwatchInset};
    Fill(hdc, swatch, i < kBasicColorCount ? BasicColor(i) : model.custom[static_cast<size_t>(i - kBasicColorCount)]);
    Frame(hdc, swatch, GetSysColor(COLOR_BTNSHADOW));
    if (i == model.selected) {
      Frame(hdc, cell, GetSysColor(COLOR_WINDOWFRAME));
      DrawFocusRect(hdc, &cell);
    }
  }
  Button(hdc, kDefineRect, "&Define Custom Colors >>", model.canOpenFull && !model.fullOpen);
  Button(hdc, kOkRect, "OK", true);
  Button(hdc, kCancelRect, "Cancel", true);
  if (model.fullOpen) PaintSpectrum(hdc, model);
  SelectObject(hdc, oldFont);
  DeleteObject(font);
}

}  // namespace win32::userimpl
