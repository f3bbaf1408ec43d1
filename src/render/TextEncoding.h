// Our strings hold UTF-8; the text entry points take UTF-16 (W) or the ANSI code page,
// Windows-1252 (A). Both conversions keep one ANSI character per UTF-16 unit, as the
// system's own conversion does, so a text has the same length in either form.
#pragma once
#include <string>
#include <string_view>

// Malformed UTF-8 bytes become U+FFFD.
std::u16string Utf8ToWide(std::string_view text);
// Each UTF-16 unit without a Windows-1252 character becomes "?".
std::string WideToAnsi(std::u16string_view text);
std::string Utf8ToAnsi(std::string_view text);
