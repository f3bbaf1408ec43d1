// A window's device context (the screen's for a null window) held for one scope: taken on
// construction, released on destruction.
#pragma once
#include "win32/windows.h"

class ScopedDC {
 public:
  explicit ScopedDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetDC(hWnd)) {}
  ~ScopedDC() {
    if (m_hDC != nullptr) ReleaseDC(m_hWnd, m_hDC);
  }
  ScopedDC(const ScopedDC&) = delete;
  ScopedDC& operator=(const ScopedDC&) = delete;

  HDC hdc() const { return m_hDC; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};
