#include "render/MUnicodeSupport.h"

#include <string>

#include "render/TextEncoding.h"
#include "win32/kernel.h"

namespace {

constexpr std::string_view kHeightSample = "Qq";
constexpr std::string_view kLineSample = "Wg";

bool& WideTextFlag() {
  static bool wide = false;
  return wide;
}

SIZE MeasureText(HDC hDC, std::string_view text) {
  SIZE extent{0, 0};
  if (UseWideText()) {
    const std::u16string wide = Utf8ToWide(text);
    GetTextExtentPoint32W(hDC, wide.c_str(), static_cast<int>(wide.size()), &extent);
  } else {
    const std::string ansi = Utf8ToAnsi(text);
    GetTextExtentPoint32A(hDC, ansi.c_str(), static_cast<int>(ansi.size()), &extent);
  }
  return extent;
}

}  // namespace

void InitUnicodeSupport() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  WideTextFlag() = GetVersionExA(&version) != FALSE && version.dwPlatformId >= VER_PLATFORM_WIN32_NT;
}

bool UseWideText() { return WideTextFlag(); }

LONG MeasureTextWidth(HDC hDC, std::string_view text) { return MeasureText(hDC, text).cx; }
LONG MeasureTextHeight(HDC hDC, std::string_view text) { return MeasureText(hDC, text).cy; }
LONG MeasureTextHeight(HDC hDC) { return MeasureTextHeight(hDC, kHeightSample); }

LONG MeasureLineHeight(HDC hDC) { return MeasureTextHeight(hDC, kLineSample); }

int DrawTextAuto(HDC hDC, std::string_view text, LONG left, LONG right, LONG top, LONG bottom, UINT flags) {
  RECT area{left, top, right, bottom};
  if (UseWideText()) {
    const std::u16string wide = Utf8ToWide(text);
    return DrawTextW(hDC, wide.c_str(), static_cast<int>(wide.size()), &area, flags);
  }
  const std::string ansi = Utf8ToAnsi(text);
  return DrawTextA(hDC, ansi.c_str(), static_cast<int>(ansi.size()), &area, flags);
}
