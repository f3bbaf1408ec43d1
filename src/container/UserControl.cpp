#include "container/UserControl.h"

#include "container/Form.h"
#include "container/UserControlWindow.h"
#include "win32/windows.h"

namespace {
constexpr OLE_COLOR kDefaultBackColor = kOleSystemColorFlag | COLOR_BTNFACE;
}

UserControl::UserControl() : m_BackColor(kDefaultBackColor) {}

UserControl::~UserControl() { DestroyControlWindow(); }

HWND UserControl::ContainerHwnd() const { return m_hWnd ? GetParent(m_hWnd) : nullptr; }

void UserControl::PropertyChanged(std::string_view propertyName) {
  if (m_Form) m_Form->RecordPropertyChange(*this, propertyName);
}

LONG UserControl::ScaleWidth() const {
  RECT client{};
  GetClientRect(m_hWnd, &client);
  return client.right - client.left;
}

LONG UserControl::ScaleHeight() const {
  RECT client{};
  GetClientRect(m_hWnd, &client);
  return client.bottom - client.top;
}

void UserControl::SetBackColor(OLE_COLOR color) {
  m_BackColor = color;
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool UserControl::Enabled() const { return IsWindowEnabled(m_hWnd) != FALSE; }

void UserControl::SetEnabled(bool enabled) { EnableWindow(m_hWnd, enabled ? TRUE : FALSE); }

void UserControl::Refresh() {
  InvalidateRect(m_hWnd, nullptr, TRUE);
  UpdateWindow(m_hWnd);
}

void UserControl::CreateControlWindow(Form& form, HWND parent, std::string name, const RECT& pixels) {
  m_Form = &form;
  m_Name = std::move(name);
  m_hWnd = UserControlWindow::Create(*this, parent, m_Name.c_str(), pixels);
  m_hDC = GetDC(m_hWnd);
}

void UserControl::DestroyControlWindow() {
  if (!IsOwnControlWindow()) return;
  ReleaseDC(m_hWnd, m_hDC);
  m_hDC = nullptr;
  DestroyWindow(m_hWnd);
}

bool UserControl::IsOwnControlWindow() const {
  return m_hWnd && IsWindow(m_hWnd) && UserControlWindow::FromHwnd(m_hWnd) == this;
}

void UserControl::BeginSited() {
  m_Sited = true;
  Resize();
}

// The control's own visibility, whatever its container's.
bool UserControl::HasVisibleStyle() const {
  return (static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE)) & WS_VISIBLE) != 0;
}

void UserControl::ShowControl(bool visible) {
  if (visible == HasVisibleStyle()) return;
  ShowWindow(m_hWnd, visible ? SW_SHOW : SW_HIDE);
  if (visible) {
    Show();
  } else {
    Hide();
  }
}
