// ANSI (code page 1252, taken as Latin-1) and UTF-16 text of the A and W entry points.
#pragma once
#include <string>

#include "win32/types.h"

namespace win32::userimpl {

std::string Narrow(LPCWSTR text);  // nullptr gives ""
std::u16string Widen(const std::string& text);
std::string Lower(std::string text);
// Copies text into a caller's buffer of maxCount units, NUL-terminated; returns units copied.
int CopyOut(const std::string& text, LPSTR buffer, int maxCount);
int CopyOut(const std::u16string& text, LPWSTR buffer, int maxCount);

}  // namespace win32::userimpl
