#include "win32/kernel.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

// Thread identifiers on Windows are multiples of four; the first one here mimics that.
constexpr DWORD kFirstThreadId = 0x0A10;
constexpr DWORD kThreadIdStep = 4;

struct LocaleData {
  LCID id;
  const char* languageId;
  const char* language;
  const char* abbreviation;
  const char* country;
  const char* englishLanguage;
  const char* englishCountry;
  const char* oemCodePage;
  const char* ansiCodePage;
};

constexpr LocaleData kLocales[] = {
    {0x0409, "0409", "English (United States)", "ENU", "United States", "English", "United States", "437", "1252"},
    {0x0809, "0809", "English (United Kingdom)", "ENG", "United Kingdom", "English", "United Kingdom", "850", "1252"},
    {0x0407, "0407", "German (Germany)", "DEU", "Germany", "German", "Germany", "850", "1252"},
    {0x040C, "040c", "French (France)", "FRA", "France", "French", "France", "850", "1252"},
    {0x0419, "0419", "Russian", "RUS", "Russia", "Russian", "Russia", "866", "1251"},
    {0x0411, "0411", "Japanese", "JPN", "Japan", "Japanese", "Japan", "932", "932"},
};

const LocaleData* FindLocale(LCID id) {
  if (id == LOCALE_USER_DEFAULT) id = win32::UserLocale();
  if (id == LOCALE_SYSTEM_DEFAULT) id = win32::SystemLocale();
  for (const LocaleData& locale : kLocales) {
    if (locale.id == id) return &locale;
  }
  return nullptr;
}

const char* LocaleField(const LocaleData& locale, LCTYPE type) {
  switch (type) {
    case LOCALE_ILANGUAGE: return locale.languageId;
    case LOCALE_SLANGUAGE: return locale.language;
    case LOCALE_SABBREVLANGNAME: return locale.abbreviation;
    case LOCALE_SCOUNTRY: return locale.country;
    case LOCALE_SENGLANGUAGE: return locale.englishLanguage;
    case LOCALE_SENGCOUNTRY: return locale.englishCountry;
    case LOCALE_IDEFAULTCODEPAGE: return locale.oemCodePage;
    case LOCALE_IDEFAULTANSICODEPAGE: return locale.ansiCodePage;
    default: return nullptr;
  }
}

}  // namespace

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
  if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return FALSE;
  const win32::OsVersion& version = win32::GetOsVersion();
  info->dwMajorVersion = version.major;
  info->dwMinorVersion = version.minor;
  info->dwBuildNumber = version.build;
  info->dwPlatformId = version.platformId;
  const std::size_t n = std::min(version.servicePack.size(), static_cast<std::size_t>(kCsdVersionChars - 1));
  std::memcpy(info->szCSDVersion, version.servicePack.data(), n);
  info->szCSDVersion[n] = '\0';
  return TRUE;
}

LCID GetUserDefaultLCID() { return win32::UserLocale(); }
LCID GetSystemDefaultLCID() { return win32::SystemLocale(); }

int GetLocaleInfoA(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData) {
  const LocaleData* locale = FindLocale(Locale);
  if (!locale) return 0;
  const char* value = LocaleField(*locale, LCType & ~LOCALE_NOUSEROVERRIDE);
  if (!value) return 0;
  const int needed = static_cast<int>(std::strlen(value)) + 1;
  if (cchData == 0) return needed;
  if (!lpLCData || cchData < needed) return 0;
  std::memcpy(lpLCData, value, static_cast<std::size_t>(needed));
  return needed;
}

DWORD GetCurrentThreadId() {
  static std::atomic<DWORD> next{kFirstThreadId};
  thread_local const DWORD id = next.fetch_add(kThreadIdStep);
  return id;
}

int MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(nNumber) * nNumerator;
  std::int64_t divisor = nDenominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const std::int64_t half = divisor / 2;
  const std::int64_t result = (product >= 0 ? product + half : product - half) / divisor;
  if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max()) return -1;
  return static_cast<int>(result);
}

int lstrlenA(LPCSTR lpString) { return lpString ? static_cast<int>(std::strlen(lpString)) : 0; }

void RtlMoveMemory(void* Destination, const void* Source, SIZE_T Length) {
  if (Length) std::memmove(Destination, Source, Length);
}
