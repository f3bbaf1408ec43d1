#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "win32/objcount.h"
#include "win32/uxtheme.h"

namespace {

constexpr char16_t kClassSeparator = u';';
constexpr char16_t kFirstNonAscii = 0x80;

// Window classes the Luna style draws; enough for every part the control asks for.
constexpr const char* kThemedClasses[] = {
    "Button", "Combobox", "Edit", "ExplorerBar", "Header", "ListView", "Menu", "Progress", "Rebar",
    "ScrollBar", "Spin", "StartPanel", "Status", "Tab", "TaskBand", "TaskBar", "ToolBar", "Tooltip",
    "TrackBar", "TrayNotify", "TreeView", "Window",
};

struct ThemeTable {
  std::map<std::intptr_t, std::string> open;  // handle -> class name
  std::intptr_t next = 1;
};

ThemeTable& Themes() {
  static ThemeTable table;
  return table;
}

bool SameClass(const std::u16string& candidate, const char* known) {
  const std::string name(known);
  return candidate.size() == name.size() &&
         std::equal(candidate.begin(), candidate.end(), name.begin(), [](char16_t a, char b) {
           return a < kFirstNonAscii && std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

const char* FindThemedClass(LPCWSTR classList) {
  std::u16string list;
  for (LPCWSTR p = classList; *p; ++p) list.push_back(*p);
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(kClassSeparator, start);
    if (end == std::u16string::npos) end = list.size();
    const std::u16string candidate = list.substr(start, end - start);
    for (const char* known : kThemedClasses) {
      if (SameClass(candidate, known)) return known;
    }
    start = end + 1;
  }
  return nullptr;
}

void CopyName(const std::string& name, LPWSTR buffer, int chars) {
  if (!buffer || chars <= 0) return;
  const std::size_t n = std::min(name.size(), static_cast<std::size_t>(chars - 1));
  std::copy_n(name.begin(), n, buffer);
  buffer[n] = u'\0';
}

}  // namespace

HTHEME OpenThemeData(HWND, LPCWSTR pszClassList) {
  if (!IsThemeActive() || !pszClassList) return nullptr;
  const char* themedClass = FindThemedClass(pszClassList);
  if (!themedClass) return nullptr;
  ThemeTable& table = Themes();
  const std::intptr_t handle = table.next++;
  table.open.emplace(handle, themedClass);
  win32::CountCreated(win32::ObjectKind::Theme);
  return reinterpret_cast<HTHEME>(handle);
}

HRESULT CloseThemeData(HTHEME hTheme) {
  ThemeTable& table = Themes();
  if (table.open.erase(reinterpret_cast<std::intptr_t>(hTheme)) == 0) return E_HANDLE;
  win32::CountDestroyed(win32::ObjectKind::Theme);
  return S_OK;
}

HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                            int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars) {
  if (!IsThemeActive()) return E_FAIL;
  const win32::VisualStyleInfo& style = win32::GetVisualStyle();
  CopyName(style.fileName, pszThemeFileName, cchMaxNameChars);
  CopyName(style.colorName, pszColorBuff, cchMaxColorChars);
  CopyName(style.sizeName, pszSizeBuff, cchMaxSizeChars);
  return S_OK;
}

BOOL IsThemeActive() { return win32::GetVisualStyle().active ? TRUE : FALSE; }
