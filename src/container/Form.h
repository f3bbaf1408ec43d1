// A host form: a top-level window (or an MDI child inside an MDI frame's client window)
// that holds user controls and runs their lifecycle. Adding a control creates its window,
// runs Initialize, then InitProperties (a new instance) or ReadProperties (saved settings),
// places it through its extender (Resize runs) and shows it. Unloading runs Hide and
// Terminate and destroys the windows. The form records every property-changed
// notification, in order, as the container's change log.
#pragma once
#include <concepts>
#include <memory>
#include <string>
#include <vector>

#include "container/MdiForm.h"
#include "container/Ole.h"
#include "container/PropertyBag.h"
#include "container/StdFont.h"
#include "container/UserControl.h"
#include "win32/gdi.h"
#include "win32/types.h"

// Where a control goes, in twips of the form's client area.
struct ControlPlacement {
  std::string name;
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

struct FormOptions {
  std::string caption = "Form1";
  // Position and size in screen pixels (in the MDI client for an MDI child).
  int left = 0;
  int top = 0;
  int width = 640;
  int height = 480;
  // False places the controls at design time.
  bool userMode = true;
  // The ambient font; a new default font (StdFont: "MS Sans Serif" 8.25 pt) when not given.
  std::shared_ptr<StdFont> font;
  OLE_COLOR backColor = kOleSystemColorFlag | COLOR_BTNFACE;
  // Makes the form an MDI child of this frame.
  MdiForm* mdiParent = nullptr;
};

struct PropertyChange {
  std::string control;
  std::string property;
  bool operator==(const PropertyChange&) const = default;
};

class Form {
 public:
  explicit Form(FormOptions options = {});
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hWnd() const { return m_hWnd; }
  bool UserMode() const { return m_Options.userMode; }
  const std::shared_ptr<StdFont>& Font() const { return m_Options.font; }
  OLE_COLOR BackColor() const { return m_Options.backColor; }
  void Show();

  // A new instance of T (constructed from `args`), initialised with InitProperties.
  template <std::derived_from<UserControl> T, class... Args>
  std::shared_ptr<T> AddControl(const ControlPlacement& placement, Args&&... args) {
    auto control = std::make_shared<T>(std::forward<Args>(args)...);
    Site(control, placement, nullptr);
    return control;
  }
  // An instance of T initialised from saved settings with ReadProperties.
  template <std::derived_from<UserControl> T, class... Args>
  std::shared_ptr<T> LoadControl(const ControlPlacement& placement, PropertyBag& saved, Args&&... args) {
    auto control = std::make_shared<T>(std::forward<Args>(args)...);
    Site(control, placement, &saved);
    return control;
  }
  // The container's save request: the control's WriteProperties into `bag`.
  void SaveControl(UserControl& control, PropertyBag& bag);
  // Unloads one control: Hide, Terminate, window destroyed.
  void RemoveControl(UserControl& control);
  const std::vector<std::shared_ptr<UserControl>>& Controls() const { return m_Controls; }

  // Unloads every control (in the order they were added) and destroys the form's window.
  void Unload();
  bool Loaded() const { return m_hWnd != nullptr; }

  const std::vector<PropertyChange>& PropertyChanges() const { return m_Changes; }
  void ClearPropertyChanges() { m_Changes.clear(); }

 private:
  friend class UserControl;
  static LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Site(const std::shared_ptr<UserControl>& control, const ControlPlacement& placement, PropertyBag* saved);
  void Unsite(UserControl& control);
  void RecordPropertyChange(const UserControl& control, std::string_view property);

  FormOptions m_Options;
  HWND m_hWnd = nullptr;
  std::vector<std::shared_ptr<UserControl>> m_Controls;
  std::vector<PropertyChange> m_Changes;
};
