// Kernel functions of the Win32-compatible layer: version, locale, thread id and the small
// memory and arithmetic helpers. Version and locales come from win32/system_info.h.
#pragma once
#include <cstddef>

#include "win32/system_info.h"
#include "win32/types.h"

using LCTYPE = DWORD;
using SIZE_T = std::size_t;

inline constexpr int kCsdVersionChars = 128;

struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[kCsdVersionChars];
};
using LPOSVERSIONINFOA = OSVERSIONINFOA*;

inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;

inline constexpr LCTYPE LOCALE_ILANGUAGE = 0x0001;
inline constexpr LCTYPE LOCALE_SLANGUAGE = 0x0002;
inline constexpr LCTYPE LOCALE_SABBREVLANGNAME = 0x0003;
inline constexpr LCTYPE LOCALE_SCOUNTRY = 0x0006;
inline constexpr LCTYPE LOCALE_IDEFAULTCODEPAGE = 0x000B;
inline constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001;
inline constexpr LCTYPE LOCALE_SENGCOUNTRY = 0x1002;
inline constexpr LCTYPE LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
inline constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000;

// Fills the structure when dwOSVersionInfoSize names it; FALSE otherwise.
BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation);

LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
// Returns the characters written including the NUL, the size needed when cchData is 0, and
// 0 for an unknown locale or field or a buffer that is too small.
int GetLocaleInfoA(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData);

// Stable for the life of a thread and distinct between threads.
DWORD GetCurrentThreadId();

// nNumber * nNumerator / nDenominator with a 64-bit intermediate, rounded half away from
// zero; -1 when nDenominator is 0 or the result does not fit 32 bits.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
int lstrlenA(LPCSTR lpString);
void RtlMoveMemory(void* Destination, const void* Source, SIZE_T Length);
