// The about box of the control: a small top-level window showing the product name, its
// version and the product's web address. It closes on a click, on Enter or Esc, or when its
// owner control terminates.
#pragma once
#include "win32/windows.h"

class AboutBox {
 public:
  static constexpr const char* kProductName = "MirelMenuBar20";
  static constexpr const char* kVersionText = "Version 2.0";
  static constexpr const char* kWebLink = "http://www.mirelsuite.example/menubar20";

  AboutBox() = default;
  ~AboutBox();
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  // Shows the box centred over `owner` (or the screen); a box already open comes to the top.
  void Show(HWND owner);
  void Close();
  HWND Window() const { return m_hWnd; }

 private:
  static LRESULT WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static void RegisterWindowClass();
  static void OnPaint(HWND hWnd);

  HWND m_hWnd = nullptr;
};
