// Common ground of the menu proxies: they hold only the control's window handle and find the
// live control again on every call, so a proxy never keeps the control alive. Proxies are
// automation objects (shared, and storable in a Variant); Nothing is a null pointer.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "container/AutomationObject.h"
#include "container/Variant.h"
#include "win32/types.h"

class MirelMenuBar20;
class ControlBands;
class ControlDropDowns;
class MenuTable;

class MenuProxy : public AutomationObject {
 protected:
  explicit MenuProxy(HWND hWndMB) : m_hWndMB(hWndMB) {}

  // The control behind the window, or error 1 with the given source when it has gone.
  MirelMenuBar20& Control(std::string_view sourceName) const;
  // The control's menu table, and its band table with the band surfaces.
  static MenuTable& MenuData(MirelMenuBar20& control);
  static ControlBands& BandData(MirelMenuBar20& control);
  static ControlDropDowns& DropDownData(MirelMenuBar20& control);
  // Lays out and repaints the bar when the control's redraw-enabled flag is set.
  static void RepaintBar(MirelMenuBar20& control);

  // Resolves an Item/Exists/Remove argument: a value passing the numeric test is a position
  // that must lie in 1..iCount (error 8 otherwise); anything else is a key, found by findKey
  // (exact comparison, first match, 0 when unknown).
  template <class FindKey>
  static int ResolveIndex(const Variant& vIndex, int iCount, FindKey findKey) {
    if (IsNumeric(vIndex)) return ResolvePosition(vIndex, iCount);
    return findKey(CStr(vIndex));
  }

  // An element proxy's own position check: error 10 with the given source unless position
  // lies in 1..iCount (its element has gone).
  static void CheckPosition(int position, int iCount, std::string_view sourceName);

  // The key a keyless Add gives: prefix followed by the decimal form of (iCount + 1).
  static std::string NextKey(std::string_view prefix, int iCount);

  // Add's icon rule: a disabled or hover icon left at "none" takes the normal icon when that
  // is greater than 0.
  static std::int16_t IconOrDefault(std::int16_t icon, std::int16_t normalIcon);

  HWND m_hWndMB;

 private:
  static int ResolvePosition(const Variant& vIndex, int iCount);
};
