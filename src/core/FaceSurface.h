// The off-screen picture of the control's face: a memory device context with a bitmap of the
// control's size, compatible with the display. Painting draws here and reaches the window in
// one block transfer.
#pragma once
#include "win32/windows.h"

class FaceSurface {
 public:
  FaceSurface() = default;
  ~FaceSurface() { Release(); }
  FaceSurface(const FaceSurface&) = delete;
  FaceSurface& operator=(const FaceSurface&) = delete;

  // Re-creates the surface when the size differs from the current one.
  void ChangeSize(int width, int height);
  void Release();

  HDC hdc() const { return m_hDC; }
  int Width() const { return m_Width; }
  int Height() const { return m_Height; }

 private:
  HDC m_hDC = nullptr;
  HBITMAP m_hBitmap = nullptr;
  HGDIOBJ m_hPrevBitmap = nullptr;
  int m_Width = 0;
  int m_Height = 0;
};
