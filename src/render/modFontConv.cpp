#include "render/modFontConv.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "common/ScopedDC.h"
#include "container/StdFont.h"
#include "render/TextEncoding.h"

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr BYTE kAutomationTrue = 255;
constexpr BYTE kDefaultPrecision = 0;
constexpr BYTE kDefaultPitchAndFamily = 0;

BYTE FlagByte(bool set) { return set ? kAutomationTrue : 0; }

int DesktopPixelsPerInchY() {
  const ScopedDC desktop(GetDesktopWindow());
  return GetDeviceCaps(desktop.hdc(), LOGPIXELSY);
}

// -(Size x LOGPIXELSY) / 72: the product is exact in currency (Size carries four decimals),
// the division is floating point, and the result rounds half to even.
bool CharacterHeight(const StdFont& font, LONG& height) {
  const std::int64_t productCurrency = font.SizeCurrency() * DesktopPixelsPerInchY();
  const double product = static_cast<double>(productCurrency) / static_cast<double>(StdFont::kCurrencyScale);
  const double rounded = std::nearbyint(-product / kPointsPerInch);
  if (rounded < std::numeric_limits<LONG>::min() || rounded > std::numeric_limits<LONG>::max()) return false;
  height = static_cast<LONG>(rounded);
  return true;
}

}  // namespace

HFONT FontFromStdFont(const StdFont& font) {
  LOGFONTA logFont{};
  if (!CharacterHeight(font, logFont.lfHeight)) return nullptr;
  logFont.lfWeight = font.Weight();
  logFont.lfItalic = FlagByte(font.Italic());
  logFont.lfUnderline = FlagByte(font.Underline());
  logFont.lfStrikeOut = FlagByte(font.Strikethrough());
  logFont.lfCharSet = static_cast<BYTE>(font.Charset());
  logFont.lfOutPrecision = kDefaultPrecision;
  logFont.lfClipPrecision = kDefaultPrecision;
  logFont.lfQuality = PROOF_QUALITY;
  logFont.lfPitchAndFamily = kDefaultPitchAndFamily;
  // The name and its terminating NUL, cut to the face-name field (a full-length name keeps no NUL).
  std::u16string face = Utf8ToWide(font.Name());
  face.push_back(u'\0');
  face.resize(std::min<std::size_t>(face.size(), LF_FACESIZE));
  const std::string ansiFace = WideToAnsi(face);
  std::copy_n(ansiFace.begin(), std::min<std::size_t>(ansiFace.size(), LF_FACESIZE), logFont.lfFaceName);
  return CreateFontIndirectA(&logFont);
}

SelectedFont::SelectedFont(HDC hdc, const StdFont* font) : m_hDC(hdc) {
  if (font == nullptr) return;
  m_hFont = FontFromStdFont(*font);
  if (m_hFont != nullptr) m_hOld = SelectObject(hdc, m_hFont);
}

SelectedFont::SelectedFont(HDC hdc, HFONT borrowed) : m_hDC(hdc) {
  if (borrowed != nullptr) m_hOld = SelectObject(hdc, borrowed);
}

SelectedFont::~SelectedFont() {
  if (m_hOld != nullptr) SelectObject(m_hDC, m_hOld);
  if (m_hFont != nullptr) DeleteObject(m_hFont);
}
