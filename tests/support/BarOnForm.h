// The one form-and-bar fixture: a fresh headless desktop, a host form holding one
// MirelMenuBar20 placed as a host places it, optionally over a patterned backdrop, and the
// screen points a user aims at. Tests that need another placement, resolution or design
// time call MakeBar again; every form is unloaded at the end.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "container/Form.h"
#include "core/MirelMenuBar20.h"
#include "core/MirelMenuBar20Internals.h"
#include "support/Errors.h"
#include "support/HeadlessTest.h"

namespace mirel_test {

struct BarSetup {
  std::optional<win32::DesktopOptions> desktop{};  // starts a new desktop when given
  FormOptions form = {};
  float barWidthTwips = 6000;
  float barHeightTwips = 600;
  bool backdrop = false;    // a screen-sized gradient window behind the form
  bool endUpdate = true;    // false: redraw stays off until the test calls EndUpdate
  PropertyBag* saved = nullptr;  // loads the control from saved settings
};

// The backdrop's colour at a screen pixel: a gradient, so that every pixel a shadow darkens
// has a colour of its own.
inline COLORREF BackdropColor(int x, int y) { return RGB((x * 3) % 256, (y * 5) % 256, (x + y) % 256); }

// A run-time form at (left, top) in screen pixels, otherwise the defaults.
inline FormOptions FormAt(int left, int top, bool userMode = true) {
  return {.left = left, .top = top, .userMode = userMode, .font = {}};
}

// A window's rectangle on the screen.
inline RECT WindowRect(HWND hWnd) {
  RECT rc{};
  GetWindowRect(hWnd, &rc);
  return rc;
}

// An event sink that runs the test's own code when the control raises ReSize.
struct ReSizeSink : __MirelMenuBar20 {
  std::function<void()> onReSize;
  void ReSize() override { onReSize(); }
};

class BarOnForm : public HeadlessTest {
 protected:
  void TearDown() override { DropForm(); }

  // A new form with a new bar; an earlier form goes first.
  MirelMenuBar20& MakeBar(const BarSetup& setup = {});
  // Closes the menus, unloads the form and releases it with its controls.
  void DropForm();

  // An enabled primary menu with caption "&<key>" unless one is given.
  std::shared_ptr<cMenu> AddMenu(const std::string& key, std::optional<std::string> caption = std::nullopt,
                                 bool enabled = true);

  // The bar's window rectangle on the screen, and the middle of caption iMenu there.
  RECT BarRect() const;
  POINT CaptionPoint(int iMenu) const;
  const tMenuInfo& Record(int iMenu) const { return Inside(*m_Bar).MenuData().Menu(iMenu); }

  std::unique_ptr<Form> m_Form;
  std::shared_ptr<MirelMenuBar20> m_Bar;
  HWND m_hWndBackdrop = nullptr;
};

}  // namespace mirel_test
