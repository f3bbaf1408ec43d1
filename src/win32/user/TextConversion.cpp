#include "win32/user/TextConversion.h"

#include <algorithm>
#include <cctype>

#include "win32/gdi.h"

namespace win32::userimpl {

namespace {
constexpr char16_t kLastLatin1 = 0xFF;
constexpr char kUnmappable = '?';

template <class Char>
int CopyOutImpl(const std::basic_string<Char>& text, Char* buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  const int n = std::min(static_cast<int>(text.size()), maxCount - 1);
  std::copy_n(text.begin(), n, buffer);
  buffer[n] = Char{};
  return n;
}
}  // namespace

std::string Narrow(LPCWSTR text) {
  std::string out;
  for (; text && *text; ++text) {
    out.push_back(*text <= kLastLatin1 ? static_cast<char>(*text) : kUnmappable);
  }
  return out;
}

std::u16string Widen(const std::string& text) {
  return AnsiToWide(text.c_str(), static_cast<int>(text.size()));
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

int CopyOut(const std::string& text, LPSTR buffer, int maxCount) {
  return CopyOutImpl(text, buffer, maxCount);
}

int CopyOut(const std::u16string& text, LPWSTR buffer, int maxCount) {
  return CopyOutImpl(text, buffer, maxCount);
}

}  // namespace win32::userimpl
