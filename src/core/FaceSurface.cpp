#include "core/FaceSurface.h"

void FaceSurface::ChangeSize(int width, int height) {
  if (m_hDC != nullptr && width == m_Width && height == m_Height) return;
  Release();
  if (width <= 0 || height <= 0) return;
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  m_hDC = CreateCompatibleDC(display);
  m_hBitmap = CreateCompatibleBitmap(display, width, height);
  m_hPrevBitmap = SelectObject(m_hDC, m_hBitmap);
  DeleteDC(display);
  if (m_hPrevBitmap == nullptr) {
    Release();
    return;
  }
  m_Width = width;
  m_Height = height;
}

void FaceSurface::Release() {
  if (m_hPrevBitmap != nullptr) SelectObject(m_hDC, m_hPrevBitmap);
  m_hPrevBitmap = nullptr;
  if (m_hBitmap != nullptr) DeleteObject(m_hBitmap);
  m_hBitmap = nullptr;
  if (m_hDC != nullptr) DeleteDC(m_hDC);
  m_hDC = nullptr;
  m_Width = 0;
  m_Height = 0;
}
