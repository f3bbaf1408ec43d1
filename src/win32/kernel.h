// Kernel functions of the Win32-compatible layer: version, thread id and MulDiv. The version
// comes from win32/system_info.h.
#pragma once
#include "win32/system_info.h"
#include "win32/types.h"

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

// Fills the structure when dwOSVersionInfoSize names it; FALSE otherwise.
BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation);

// Stable for the life of a thread and distinct between threads.
DWORD GetCurrentThreadId();

// nNumber * nNumerator / nDenominator with a 64-bit intermediate, rounded half away from
// zero; -1 when nDenominator is 0 or the result does not fit 32 bits.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
