// The window of a user control: creation, and the window procedure that turns messages into
// the control's events, one small handler per message.
#pragma once
#include "win32/types.h"

class UserControl;

class UserControlWindow {
 public:
  static constexpr char kClassName[] = "MirelUserControl";
  static constexpr char kObjectProperty[] = "MirelUserControl:ObjectPtr";

  // A hidden child window of `parent` at `rect` (parent client pixels) for `control`.
  static HWND Create(UserControl& control, HWND parent, const char* name, const RECT& rect);
  static UserControl* FromHwnd(HWND hwnd);

 private:
  static LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  static LRESULT OnCreate(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnSize(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnPaint(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnEraseBackground(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnMouseMove(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnLeftDown(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnRightDown(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnMiddleDown(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnLeftDoubleClick(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnLeftUp(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnRightUp(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnMiddleUp(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnKeyDown(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnKeyUp(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnChar(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnSetFocus(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnKillFocus(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcDestroy(UserControl& c, HWND hwnd, WPARAM wParam, LPARAM lParam);

  static void ButtonDown(UserControl& c, HWND hwnd, std::int16_t button, WPARAM wParam, LPARAM lParam);
  static void ButtonUp(UserControl& c, HWND hwnd, std::int16_t button, WPARAM wParam, LPARAM lParam);
};
