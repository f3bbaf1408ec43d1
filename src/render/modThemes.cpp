#include "render/modThemes.h"

#include <cstddef>
#include <string>

#include "win32/kernel.h"
#include "win32/uxtheme.h"

namespace {

constexpr DWORD kVisualStylesMajor = 5;
constexpr DWORD kVisualStylesMinor = 1;
constexpr int kThemeNameChars = 260;

bool g_bVisualStyles = false;

std::u16string UpToNul(const WCHAR* buffer) { return std::u16string(buffer); }

}  // namespace

void DetectVisualStyles() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExA(&info)) {
    g_bVisualStyles = false;
    return;
  }
  g_bVisualStyles = info.dwMajorVersion > kVisualStylesMajor ||
                    (info.dwMajorVersion == kVisualStylesMajor && info.dwMinorVersion >= kVisualStylesMinor);
}

bool VisualStylesAvailable() { return g_bVisualStyles; }

ctsThemes ThemeFromSystem(ctsThemes current, HWND hWnd) {
  if (!g_bVisualStyles) return current;
  HTHEME hTheme = OpenThemeData(hWnd, u"ExplorerBar");
  if (!hTheme) return current;

  WCHAR fileName[kThemeNameChars] = {};
  WCHAR colorName[kThemeNameChars] = {};
  GetCurrentThemeName(fileName, kThemeNameChars, colorName, kThemeNameChars, nullptr, 0);
  const std::u16string file = UpToNul(fileName);
  const std::u16string color = UpToNul(colorName);

  const std::size_t lastBackslash = file.rfind(u'\\');
  const std::u16string directory = lastBackslash == std::u16string::npos ? std::u16string() : file.substr(0, lastBackslash + 1);
  const std::u16string path = directory + u"Shell\\" + color + u"\\shellstyle.dll";
  CloseThemeData(hTheme);

  if (path.find(u"Luna") == std::u16string::npos) return current;
  if (color == u"HomeStead") return XPOlive;
  if (color == u"NormalColor") return XPBlue;
  if (color == u"Metallic") return XPSilver;
  return current;
}
