// An off-screen drawing surface: a memory device context holding a bitmap compatible with the
// display. Windows paint into it and reach the screen in one block transfer. The surface is
// kept and re-sized rather than re-created per paint: ChangeSize re-allocates only on a real
// change, and the Width/Height lets only ever grow it.
#pragma once
#include "win32/windows.h"

class cMemDC {
 public:
  cMemDC() = default;
  ~cMemDC() { Release(); }
  cMemDC(const cMemDC&) = delete;
  cMemDC& operator=(const cMemDC&) = delete;

  // Re-creates the surface at exactly width x height (it may shrink) unless that is the
  // current size already.
  void ChangeSize(LONG width, LONG height);

  // The memory device context; 0 before the first sizing or after a failed creation.
  HDC hdc() const { return m_hDC; }

  LONG Width() const { return m_Width; }
  LONG Height() const { return m_Height; }
  // Grow only: a value not larger than the current one is ignored; the other side is kept.
  void SetWidth(LONG width);
  void SetHeight(LONG height);

 private:
  void Create(LONG width, LONG height);
  void Release();

  HDC m_hDC = nullptr;
  HBITMAP m_hBmp = nullptr;
  HGDIOBJ m_hBmpOld = nullptr;  // non-zero while the surface is valid
  LONG m_Width = 0;
  LONG m_Height = 0;
};
