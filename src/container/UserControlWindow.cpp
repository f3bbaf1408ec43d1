#include "container/UserControlWindow.h"

#include <array>
#include <utility>

#include "container/MouseButtons.h"
#include "container/UserControl.h"
#include "container/WindowClass.h"
#include "win32/windows.h"

namespace {

using Handler = LRESULT (*)(UserControl&, HWND, WPARAM, LPARAM);

constexpr WPARAM kButtonsMask = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
constexpr SHORT kKeyDownBit = static_cast<SHORT>(0x8000);

bool KeyIsDown(int vk) { return (GetKeyState(vk) & kKeyDownBit) != 0; }

// Shift argument of mouse events: from the message's key flags, Alt from the key state.
std::int16_t MouseShift(WPARAM wParam) {
  std::int16_t shift = 0;
  if (wParam & MK_SHIFT) shift |= vbShiftMask;
  if (wParam & MK_CONTROL) shift |= vbCtrlMask;
  if (KeyIsDown(VK_MENU)) shift |= vbAltMask;
  return shift;
}

std::int16_t KeyShift() {
  std::int16_t shift = 0;
  if (KeyIsDown(VK_SHIFT)) shift |= vbShiftMask;
  if (KeyIsDown(VK_CONTROL)) shift |= vbCtrlMask;
  if (KeyIsDown(VK_MENU)) shift |= vbAltMask;
  return shift;
}

float X(LPARAM lParam) { return static_cast<float>(GET_X_LPARAM(lParam)); }
float Y(LPARAM lParam) { return static_cast<float>(GET_Y_LPARAM(lParam)); }

}  // namespace

HWND UserControlWindow::Create(UserControl& control, HWND parent, const char* name, const RECT& rect) {
  EnsureWindowClass<&UserControlWindow::WindowProc>(kClassName, CS_DBLCLKS);
  HWND hwnd = CreateWindowExA(0, kClassName, name, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect.left,
                              rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr,
                              &control);
  if (hwnd) SetPropA(hwnd, kObjectProperty, &control);
  return hwnd;
}

UserControl* UserControlWindow::FromHwnd(HWND hwnd) {
  return static_cast<UserControl*>(GetPropA(hwnd, kObjectProperty));
}

LRESULT UserControlWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  static constexpr std::array<std::pair<UINT, Handler>, 22> kHandlers = {{
      {WM_CREATE, &OnCreate},
      {WM_SIZE, &OnSize},
      {WM_PAINT, &OnPaint},
      {WM_ERASEBKGND, &OnEraseBackground},
      {WM_MOUSEMOVE, &OnMouseMove},
      {WM_LBUTTONDOWN, &OnLeftDown},
      {WM_RBUTTONDOWN, &OnRightDown},
      {WM_MBUTTONDOWN, &OnMiddleDown},
      {WM_LBUTTONDBLCLK, &OnLeftDoubleClick},
      {WM_RBUTTONDBLCLK, &OnRightDown},
      {WM_MBUTTONDBLCLK, &OnMiddleDown},
      {WM_LBUTTONUP, &OnLeftUp},
      {WM_RBUTTONUP, &OnRightUp},
      {WM_MBUTTONUP, &OnMiddleUp},
      {WM_KEYDOWN, &OnKeyDown},
      {WM_SYSKEYDOWN, &OnKeyDown},
      {WM_KEYUP, &OnKeyUp},
      {WM_SYSKEYUP, &OnKeyUp},
      {WM_CHAR, &OnChar},
      {WM_SETFOCUS, &OnSetFocus},
      {WM_KILLFOCUS, &OnKillFocus},
      {WM_NCDESTROY, &OnNcDestroy},
  }};
  UserControl* control = FromHwnd(hwnd);
  if (msg == WM_CREATE) control = static_cast<UserControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
  if (control) {
    for (const auto& [message, handler] : kHandlers) {
      if (message == msg) return handler(*control, hwnd, wParam, lParam);
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT UserControlWindow::OnCreate(UserControl& c, HWND hwnd, WPARAM, LPARAM) {
  // Messages sent while the window is being created already reach the control.
  SetPropA(hwnd, kObjectProperty, &c);
  return 0;
}

LRESULT UserControlWindow::OnSize(UserControl& c, HWND, WPARAM, LPARAM) {
  if (c.m_Sited) c.Resize();
  return 0;
}

LRESULT UserControlWindow::OnPaint(UserControl& c, HWND hwnd, WPARAM, LPARAM) {
  // Ends the paint even when the control's Paint throws, so its device context goes back.
  struct PaintScope {
    HWND hwnd;
    PAINTSTRUCT ps{};
    explicit PaintScope(HWND h) : hwnd(h) { BeginPaint(hwnd, &ps); }
    ~PaintScope() { EndPaint(hwnd, &ps); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
  } scope(hwnd);
  c.Paint();
  return 0;
}

LRESULT UserControlWindow::OnEraseBackground(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM) {
  return EraseWithOleColor(hwnd, reinterpret_cast<HDC>(wParam), c.BackColor());
}

LRESULT UserControlWindow::OnMouseMove(UserControl& c, HWND, WPARAM wParam, LPARAM lParam) {
  c.MouseMove(ButtonsFromKeyFlags(wParam), MouseShift(wParam), X(lParam), Y(lParam));
  return 0;
}

LRESULT UserControlWindow::OnLeftDown(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  ButtonDown(c, hwnd, vbLeftButton, wParam, lParam);
  return 0;
}

LRESULT UserControlWindow::OnRightDown(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  ButtonDown(c, hwnd, vbRightButton, wParam, lParam);
  return 0;
}

LRESULT UserControlWindow::OnMiddleDown(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  ButtonDown(c, hwnd, vbMiddleButton, wParam, lParam);
  return 0;
}

// The second press of a double click raises DblClick instead of MouseDown; its release
// raises MouseUp as usual.
LRESULT UserControlWindow::OnLeftDoubleClick(UserControl& c, HWND hwnd, WPARAM, LPARAM) {
  if (GetCapture() != hwnd) SetCapture(hwnd);
  c.DblClick();
  return 0;
}

LRESULT UserControlWindow::OnLeftUp(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  ButtonUp(c, hwnd, vbLeftButton, wParam, lParam);
  return 0;
}

LRESULT UserControlWindow::OnRightUp(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  ButtonUp(c, hwnd, vbRightButton, wParam, lParam);
  return 0;
}

LRESULT UserControlWindow::OnMiddleUp(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  ButtonUp(c, hwnd, vbMiddleButton, wParam, lParam);
  return 0;
}

LRESULT UserControlWindow::OnKeyDown(UserControl& c, HWND, WPARAM wParam, LPARAM) {
  c.KeyDown(static_cast<std::int16_t>(wParam), KeyShift());
  return 0;
}

LRESULT UserControlWindow::OnKeyUp(UserControl& c, HWND, WPARAM wParam, LPARAM) {
  c.KeyUp(static_cast<std::int16_t>(wParam), KeyShift());
  return 0;
}

LRESULT UserControlWindow::OnChar(UserControl& c, HWND, WPARAM wParam, LPARAM) {
  c.KeyPress(static_cast<std::int16_t>(wParam));
  return 0;
}

LRESULT UserControlWindow::OnSetFocus(UserControl& c, HWND, WPARAM, LPARAM) {
  c.GotFocus();
  return 0;
}

LRESULT UserControlWindow::OnKillFocus(UserControl& c, HWND, WPARAM, LPARAM) {
  c.LostFocus();
  return 0;
}

LRESULT UserControlWindow::OnNcDestroy(UserControl&, HWND hwnd, WPARAM, LPARAM) {
  RemovePropA(hwnd, kObjectProperty);
  return 0;
}

// A press gives the control the focus (when it can take it) and captures the mouse until
// the last button is released, so the release reaches the control wherever it happens.
void UserControlWindow::ButtonDown(UserControl& c, HWND hwnd, std::int16_t button, WPARAM wParam, LPARAM lParam) {
  if (c.CanGetFocus() && GetFocus() != hwnd) SetFocus(hwnd);
  if (GetCapture() != hwnd) SetCapture(hwnd);
  c.MouseDown(button, MouseShift(wParam), X(lParam), Y(lParam));
}

void UserControlWindow::ButtonUp(UserControl& c, HWND hwnd, std::int16_t button, WPARAM wParam, LPARAM lParam) {
  c.MouseUp(button, MouseShift(wParam), X(lParam), Y(lParam));
  if ((wParam & kButtonsMask) == 0 && GetCapture() == hwnd) ReleaseCapture();
}
