#include "win32/system_info.h"

namespace win32 {
namespace {

constexpr DWORD kXpMajor = 5;
constexpr DWORD kXpMinor = 1;
constexpr DWORD kXpBuild = 2600;
constexpr DWORD k2000Major = 5;
constexpr DWORD k2000Minor = 0;
constexpr DWORD k2000Build = 2195;

constexpr const char* kLunaFile = "C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
constexpr const char* kNormalSize = "NormalSize";

struct SystemState {
  OsVersion version = WindowsXpVersion();
  VisualStyleInfo style = LunaStyle("NormalColor");
};

SystemState& State() {
  static SystemState state;
  return state;
}

}  // namespace

OsVersion WindowsXpVersion() {
  return {VER_PLATFORM_WIN32_NT, kXpMajor, kXpMinor, kXpBuild, "Service Pack 2"};
}

OsVersion Windows2000Version() {
  return {VER_PLATFORM_WIN32_NT, k2000Major, k2000Minor, k2000Build, "Service Pack 4"};
}

VisualStyleInfo LunaStyle(const std::string& colorName) { return {true, kLunaFile, colorName, kNormalSize}; }

VisualStyleInfo ClassicStyle() { return {}; }

void SetOsVersion(const OsVersion& version) { State().version = version; }
const OsVersion& GetOsVersion() { return State().version; }
void SetVisualStyle(const VisualStyleInfo& style) { State().style = style; }
const VisualStyleInfo& GetVisualStyle() { return State().style; }

void ResetSystemInfo() { State() = SystemState{}; }

}  // namespace win32
