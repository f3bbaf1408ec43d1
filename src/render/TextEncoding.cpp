#include "render/TextEncoding.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <functional>

namespace {

constexpr const char* kWideEncoding = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr const char* kUtf8Encoding = "UTF-8";
constexpr const char* kAnsiEncoding = "WINDOWS-1252";
constexpr char16_t kReplacementCharacter = u'\uFFFD';
constexpr char kAnsiDefaultChar = '?';
constexpr std::size_t kWideUnitBytes = sizeof(char16_t);
constexpr std::size_t kOutputChunk = 256;
constexpr unsigned kFirstNonAscii = 0x80;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// One glibc converter per direction, opened on first use and kept for the process (the
// conversions run on the one user-interface thread).
class Converter {
 public:
  Converter(const char* to, const char* from) : m_Handle(iconv_open(to, from)) {}
  ~Converter() {
    if (m_Handle != kNoConverter) iconv_close(m_Handle);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `input`; at each input unit of `unitBytes` that cannot be converted, `onFailure`
  // appends its replacement to the output and the unit is skipped.
  std::string Run(std::string_view input, std::size_t unitBytes, const std::function<void(std::string&)>& onFailure) {
    std::string output;
    if (m_Handle == kNoConverter) return output;
    iconv(m_Handle, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
      char buffer[kOutputChunk];
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(m_Handle, &in, &inLeft, &out, &outLeft);
      output.append(buffer, static_cast<std::size_t>(out - buffer));
      if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unconvertible or incomplete unit.
      onFailure(output);
      const std::size_t skip = inLeft < unitBytes ? inLeft : unitBytes;
      in += skip;
      inLeft -= skip;
    }
    return output;
  }

 private:
  iconv_t m_Handle;
};

// Most captions are plain ASCII, which reads the same in UTF-8, UTF-16 and Windows-1252:
// such text is widened or narrowed unit by unit without the converter.
bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < kFirstNonAscii; });
}
bool IsAscii(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < kFirstNonAscii; });
}

}  // namespace

std::u16string Utf8ToWide(std::string_view text) {
  if (IsAscii(text)) return std::u16string(text.begin(), text.end());
  static Converter converter(kWideEncoding, kUtf8Encoding);
  const std::string bytes = converter.Run(text, 1, [](std::string& out) {
    out.append(reinterpret_cast<const char*>(&kReplacementCharacter), kWideUnitBytes);
  });
  std::u16string wide(bytes.size() / kWideUnitBytes, u'\0');
  bytes.copy(reinterpret_cast<char*>(wide.data()), wide.size() * kWideUnitBytes);
  return wide;
}

std::string WideToAnsi(std::u16string_view text) {
  if (IsAscii(text)) return std::string(text.begin(), text.end());
  static Converter converter(kAnsiEncoding, kWideEncoding);
  const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * kWideUnitBytes);
  return converter.Run(bytes, kWideUnitBytes, [](std::string& out) { out.push_back(kAnsiDefaultChar); });
}

std::string Utf8ToAnsi(std::string_view text) { return WideToAnsi(Utf8ToWide(text)); }
