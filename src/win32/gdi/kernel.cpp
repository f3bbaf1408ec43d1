#include "win32/kernel.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Thread identifiers on Windows are multiples of four; the first one here mimics that.
constexpr DWORD kFirstThreadId = 0x0A10;
constexpr DWORD kThreadIdStep = 4;

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
