#include "menu/Mnemonic.h"

#include <algorithm>
#include <string>

#include "render/TextEncoding.h"
#include "win32/windows.h"

namespace Mnemonic {
namespace {

constexpr char kMnemonicMarker = '&';
constexpr std::string_view kEscapedMarker = "&&";
constexpr WORD kLanguageUsEnglish = 1033;
constexpr unsigned char kFirstDirectChar = 'A';
constexpr unsigned char kLastDirectChar = 'z';
constexpr unsigned char kCaseDistance = 'a' - 'A';
// Low bytes of VkKeyScanExA that name no key.
constexpr BYTE kNoKeyLow = 0;
constexpr BYTE kNoKeyHigh = 0xFF;
constexpr unsigned kLowByteMask = 0xFF;

WORD LanguageOf(HKL hLayout) { return LOWORD(static_cast<std::uintptr_t>(HandleToLong(hLayout))); }

// The installed layouts, asked for once: the list does not change while the library runs.
const std::vector<HKL>& InstalledLayouts() {
  static const std::vector<HKL> layouts = [] {
    std::vector<HKL> list(static_cast<std::size_t>(std::max(GetKeyboardLayoutList(0, nullptr), 0)));
    const int count = GetKeyboardLayoutList(static_cast<int>(list.size()), list.data());
    list.resize(static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(list.size()))));
    return list;
  }();
  return layouts;
}

HKL DefaultLayout() {
  HKL hLayout = nullptr;
  SystemParametersInfoA(SPI_GETDEFAULTINPUTLANG, 0, &hLayout, 0);
  return hLayout;
}

}  // namespace

unsigned char UpperCase(unsigned char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<unsigned char>(ch - kCaseDistance) : ch;
}

unsigned char MnemonicChar(std::string_view sCaption) {
  const std::string sAnsi = Utf8ToAnsi(sCaption);
  const std::size_t iMarker = sAnsi.find(kMnemonicMarker);
  if (iMarker == std::string::npos || iMarker + 1 == sAnsi.size()) return 0;
  if (sAnsi.find(kEscapedMarker) == iMarker) return 0;
  return UpperCase(static_cast<unsigned char>(sAnsi[iMarker + 1]));
}

std::int16_t MnemonicKey(std::string_view sCaption) {
  const unsigned char ch = MnemonicChar(sCaption);
  return ch == 0 ? std::int16_t{0} : CharToVirtualKey(ch);
}

std::vector<HKL> TranslationLayouts(HKL hDefault, std::span<const HKL> installed) {
  if (LanguageOf(hDefault) == kLanguageUsEnglish) return {hDefault};
  const auto usEnglish =
      std::find_if(installed.begin(), installed.end(), [](HKL h) { return LanguageOf(h) == kLanguageUsEnglish; });
  if (usEnglish != installed.end()) return {*usEnglish};
  std::vector<HKL> layouts{hDefault};
  layouts.insert(layouts.end(), installed.begin(), installed.end());
  return layouts;
}

std::int16_t CharToVirtualKey(unsigned char ch) {
  if (ch >= kFirstDirectChar && ch <= kLastDirectChar) return UpperCase(ch);
  for (HKL hLayout : TranslationLayouts(DefaultLayout(), InstalledLayouts())) {
    const auto lowByte = static_cast<BYTE>(static_cast<unsigned>(VkKeyScanExA(static_cast<CHAR>(ch), hLayout)) & kLowByteMask);
    if (lowByte != kNoKeyLow && lowByte != kNoKeyHigh) return lowByte;
  }
  return 0;
}

}  // namespace Mnemonic
