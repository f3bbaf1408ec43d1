// What the layer reports about the operating system: its version (GetVersionExA) and its
// current visual style (the theme API). The desktop sets them at start-up; tests set them to play other systems.
#pragma once
#include <string>

#include "win32/types.h"

inline constexpr DWORD VER_PLATFORM_WIN32s = 0;
inline constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

namespace win32 {

struct OsVersion {
  DWORD platformId = VER_PLATFORM_WIN32_NT;
  DWORD major = 0;
  DWORD minor = 0;
  DWORD build = 0;
  std::string servicePack;
};

// The visual style the theme API answers with. With `active` false, IsThemeActive is false
// and OpenThemeData fails, as on a system running the classic look.
struct VisualStyleInfo {
  bool active = false;
  std::string fileName;   // e.g. "C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles"
  std::string colorName;  // e.g. "NormalColor", "HomeStead", "Metallic"
  std::string sizeName;   // e.g. "NormalSize"
};

// Windows XP Service Pack 2, the system this control was made for.
OsVersion WindowsXpVersion();
// Windows 2000: NT platform without visual styles.
OsVersion Windows2000Version();
// The Luna style of Windows XP in the given colour ("NormalColor", "HomeStead", "Metallic").
VisualStyleInfo LunaStyle(const std::string& colorName);
// Visual styles switched off (the classic look).
VisualStyleInfo ClassicStyle();

void SetOsVersion(const OsVersion& version);
const OsVersion& GetOsVersion();
void SetVisualStyle(const VisualStyleInfo& style);
const VisualStyleInfo& GetVisualStyle();

// Back to the start-up state: Windows XP, Luna "NormalColor".
void ResetSystemInfo();

}  // namespace win32
