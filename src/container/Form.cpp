#include "container/Form.h"

#include <algorithm>
#include <cmath>

#include "container/Screen.h"
#include "container/WindowClass.h"
#include "win32/windows.h"

namespace {

constexpr char kFormClass[] = "MirelForm";
constexpr char kObjectProperty[] = "MirelForm:ObjectPtr";

int ToPixels(float twips, float twipsPerPixel) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

RECT PlacementPixels(const ControlPlacement& p) {
  const float tx = TwipsPerPixelX();
  const float ty = TwipsPerPixelY();
  const int left = ToPixels(p.left, tx);
  const int top = ToPixels(p.top, ty);
  return RECT{left, top, left + ToPixels(p.width, tx), top + ToPixels(p.height, ty)};
}

}  // namespace

Form::Form(FormOptions options) : m_Options(std::move(options)) {
  if (!m_Options.font) m_Options.font = std::make_shared<StdFont>();
  EnsureWindowClass<&Form::WindowProc>(kFormClass);
  const bool mdiChild = m_Options.mdiParent != nullptr;
  const DWORD style = (mdiChild ? WS_CHILD : WS_OVERLAPPED) | WS_CLIPCHILDREN;
  HWND parent = mdiChild ? m_Options.mdiParent->ClientHwnd() : nullptr;
  m_hWnd = CreateWindowExA(0, kFormClass, m_Options.caption.c_str(), style, m_Options.left, m_Options.top,
                           m_Options.width, m_Options.height, parent, nullptr, nullptr, nullptr);
  SetPropA(m_hWnd, kObjectProperty, this);
}

Form::~Form() { Unload(); }

void Form::Show() { ShowWindow(m_hWnd, SW_SHOW); }

void Form::Site(const std::shared_ptr<UserControl>& control, const ControlPlacement& placement, PropertyBag* saved) {
  m_Controls.push_back(control);
  control->CreateControlWindow(*this, m_hWnd, placement.name, PlacementPixels(placement));
  control->RunInitialize();
  if (saved) {
    control->RunReadProperties(*saved);
  } else {
    control->RunInitProperties();
  }
  control->BeginSited();
  control->ShowControl(true);
}

void Form::SaveControl(UserControl& control, PropertyBag& bag) { control.RunWriteProperties(bag); }

void Form::Unsite(UserControl& control) {
  if (control.IsOwnControlWindow()) control.ShowControl(false);
  control.RunTerminate();
  control.DestroyControlWindow();
  control.m_Form = nullptr;
}

void Form::RemoveControl(UserControl& control) {
  const auto it = std::find_if(m_Controls.begin(), m_Controls.end(), [&](const auto& c) { return c.get() == &control; });
  if (it == m_Controls.end()) return;
  const std::shared_ptr<UserControl> keep = *it;  // alive until its Terminate has run
  m_Controls.erase(it);
  Unsite(*keep);
}

void Form::Unload() {
  // Take the list first: a control's Terminate may not add or remove controls of this form.
  const std::vector<std::shared_ptr<UserControl>> controls = std::move(m_Controls);
  m_Controls.clear();
  for (const auto& control : controls) Unsite(*control);
  DestroyOwnWindow(m_hWnd, kObjectProperty, this);
  m_hWnd = nullptr;
}

void Form::RecordPropertyChange(const UserControl& control, std::string_view property) {
  m_Changes.push_back(PropertyChange{control.m_Name, std::string(property)});
}

LRESULT Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) {
    const auto* form = static_cast<const Form*>(GetPropA(hwnd, kObjectProperty));
    if (!form) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return EraseWithOleColor(hwnd, reinterpret_cast<HDC>(wParam), form->BackColor());
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
