#include "render/cMemDC.h"

namespace {
constexpr char kDisplayDriver[] = "DISPLAY";
}

void cMemDC::ChangeSize(LONG width, LONG height) {
  if (width == m_Width && height == m_Height) return;
  Create(width, height);
}

void cMemDC::SetWidth(LONG width) {
  if (width > m_Width) Create(width, m_Height);
}

void cMemDC::SetHeight(LONG height) {
  if (height > m_Height) Create(m_Width, height);
}

void cMemDC::Create(LONG width, LONG height) {
  Release();
  HDC display = CreateDCA(kDisplayDriver, nullptr, nullptr, nullptr);
  m_hDC = CreateCompatibleDC(display);
  // Compatible with the display, not the memory DC, whose default bitmap is monochrome.
  m_hBmp = CreateCompatibleBitmap(display, width, height);
  m_hBmpOld = SelectObject(m_hDC, m_hBmp);
  if (m_hBmpOld != nullptr) {
    m_Width = width;
    m_Height = height;
  } else {
    Release();
  }
  DeleteDC(display);
}

void cMemDC::Release() {
  if (m_hBmpOld != nullptr) {
    SelectObject(m_hDC, m_hBmpOld);
    m_hBmpOld = nullptr;
  }
  if (m_hBmp != nullptr) {
    DeleteObject(m_hBmp);
    m_hBmp = nullptr;
  }
  m_Width = 0;
  m_Height = 0;
  if (m_hDC != nullptr) {
    DeleteDC(m_hDC);
    m_hDC = nullptr;
  }
}
