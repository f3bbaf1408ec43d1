#include "demo_form/DemoEditBox.h"

#include <cctype>

#include "render/MUnicodeSupport.h"
#include "render/modFontConv.h"
#include "win32/windows.h"

namespace {

constexpr COLORREF kBack = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kEdge = RGB(0x7F, 0x9D, 0xB9);
constexpr COLORREF kText = RGB(0x00, 0x00, 0x00);
constexpr LONG kTextInset = 3;
constexpr std::int16_t kBackspace = 8;
constexpr std::size_t kMaxDigits = 3;

}  // namespace

void DemoEditBox::SetText(std::string sText) {
  m_sText = std::move(sText);
  Refresh();
}

void DemoEditBox::Paint() {
  HDC hdc = GetDC(hWnd());
  const RECT all{0, 0, ScaleWidth(), ScaleHeight()};
  HBRUSH back = CreateSolidBrush(kBack);
  FillRect(hdc, &all, back);
  DeleteObject(back);
  HBRUSH edge = CreateSolidBrush(kEdge);
  FrameRect(hdc, &all, edge);
  DeleteObject(edge);
  {
    const SelectedFont font(hdc, Ambient().Font().get());
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kText);
    DrawTextAuto(hdc, m_sText, kTextInset, all.right - kTextInset, 0, all.bottom,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  ReleaseDC(hWnd(), hdc);
}

void DemoEditBox::KeyPress(std::int16_t keyAscii) {
  if (keyAscii == kBackspace && !m_sText.empty()) {
    m_sText.pop_back();
  } else if (std::isdigit(keyAscii) != 0 && m_sText.size() < kMaxDigits) {
    m_sText.push_back(static_cast<char>(keyAscii));
  }
  Refresh();
}
