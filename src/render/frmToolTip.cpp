#include "render/frmToolTip.h"

#include <algorithm>

#include "common/ScopedDC.h"
#include "container/StdFont.h"
#include "container/WindowClass.h"
#include "render/ColorScheme.h"
#include "render/MUnicodeSupport.h"
#include "render/modDrawHelpers.h"
#include "render/ShadowStrip.h"
#include "common/ScopedDC.h"
#include "render/modFontConv.h"

namespace {

constexpr DWORD kStyle = WS_POPUP;
// Top-most from birth, absent from task lists, never activated by a click.
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
constexpr UINT kShowFlags = SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
constexpr UINT kKeepZOrderFlags = kShowFlags | SWP_NOZORDER | SWP_NOOWNERZORDER;
// A text box shows "&" as it is.
constexpr UINT kLineFlags = DT_NOPREFIX | DT_SINGLELINE;
constexpr UINT kWrapFlags = DT_NOPREFIX | DT_WORDBREAK;

}  // namespace

frmToolTip::frmToolTip(HWND hWndOwner, const tToolTipLook& look, const std::string& sText)
    : m_Look(look), m_sText(sText), m_oFont(look.oFont) {
  if (!m_oFont) m_oFont = StdFont::Create(kDesignFontName, kDesignFontSize);
  EnsureWindowClass<&frmToolTip::WindowProc>(kClassName);
  // The caption carries the text too, for whoever reads windows rather than pixels.
  m_hWnd = CreateWindowExA(kExStyle, kClassName, m_sText.c_str(), kStyle, 0, 0, 0, 0, hWndOwner, nullptr, nullptr,
                           nullptr);
  SetPropA(m_hWnd, kObjectPtrProp, this);
  Layout(ScopedDC(m_hWnd).hdc());
  m_Face.ChangeSize(m_lWidth, m_lHeight);
  PaintFace(m_Face.hdc());
}

frmToolTip::~frmToolTip() { DestroyOwnWindow(m_hWnd, kObjectPtrProp, this); }

void frmToolTip::Layout(HDC hDC) {
  const SelectedFont font(hDC, *m_oFont);
  LONG textWidth = MeasureTextWidth(hDC, m_sText);
  LONG textHeight = MeasureTextHeight(hDC, m_sText);
  m_bWrapped = m_Look.bWordWrap && textWidth + kHorizontalPadding > m_Look.lMaxWidth;
  if (m_bWrapped) {
    textWidth = m_Look.lMaxWidth;
    textHeight = DrawTextAuto(hDC, m_sText, 0, textWidth, 0, 0, kWrapFlags | DT_CALCRECT);
  }
  m_lWidth = textWidth + kHorizontalPadding;
  m_lHeight = textHeight + kVerticalPadding + (m_Look.bShadows ? kShadowExtraHeight : 0);
  m_rcBorder = RECT{0, 0, m_lWidth, m_lHeight};
  if (m_Look.bShadows) {
    m_rcBorder.right -= kShadowRight;
    m_rcBorder.bottom -= kShadowBottom;
  }
  // Centred in the border; with shadows the border is one pixel shorter than the text's
  // padding asks, and the text's top row (its internal leading) meets the border's top edge.
  const LONG textLeft = (m_rcBorder.right - textWidth) / 2;
  const LONG textTop = (m_rcBorder.bottom - textHeight) / 2;
  m_rcText = RECT{textLeft, textTop, textLeft + textWidth, textTop + textHeight};
}

void frmToolTip::PaintFace(HDC hDC) {
  DrawSolidRect(hDC, 0, 0, m_lWidth, m_lHeight, m_Look.lBackColor, kSolidRectFill);
  {
    const SelectedFont font(hDC, *m_oFont);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, TranslateOleColor(m_Look.lForeColor));
    DrawTextAuto(hDC, m_sText, m_rcText.left, m_rcText.right, m_rcText.top, m_rcText.bottom,
                 m_bWrapped ? kWrapFlags : kLineFlags);
  }
  // The border goes on last so that it stays whole where the text touches it.
  DrawSolidRect(hDC, m_rcBorder.left, m_rcBorder.top, m_rcBorder.right, m_rcBorder.bottom, m_Look.lBorderColor,
                kSolidRectFrame);
}

void frmToolTip::Show(LONG x, LONG y, bool bKeepZOrder) {
  const POINT at = Placement(x, y);
  MoveWindow(m_hWnd, at.x, at.y, m_lWidth, m_lHeight, FALSE);
  if (m_Look.bShadows) DrawShadows();
  SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, m_lWidth, m_lHeight, bKeepZOrder ? kKeepZOrderFlags : kShowFlags);
}

// Below the pointer; above it when the screen ends first; pushed in from the right edge.
POINT frmToolTip::Placement(LONG x, LONG y) const {
  const LONG screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const LONG screenHeight = GetSystemMetrics(SM_CYSCREEN);
  LONG top = y + kPointerClearance;
  if (top + m_lHeight > screenHeight) top = y - m_lHeight;
  const LONG left = std::min(x, screenWidth - m_lWidth);
  return POINT{std::max<LONG>(0, left), std::max<LONG>(0, top)};
}

// The right band, then the bottom band, each four steps from the border outwards; the part
// of a band that falls outside the window is not drawn. The screen under the hidden window
// is read and the darkened copy goes into the face, which the window shows from then on.
void frmToolTip::DrawShadows() {
  RECT window{};
  GetWindowRect(m_hWnd, &window);
  const ScopedDC screen(nullptr);
  const POINT origin{window.left, window.top};
  const SIZE size{m_lWidth, m_lHeight};
  DrawEdgeShadow(m_Face.hdc(), screen.hdc(), origin, size, ShadowEdge::Right, m_rcBorder.right, kShadowUndarkened,
                 PlainShadowFactors());
  DrawEdgeShadow(m_Face.hdc(), screen.hdc(), origin, size, ShadowEdge::Bottom, m_rcBorder.bottom, kShadowUndarkened,
                 PlainShadowFactors());
}

LRESULT frmToolTip::OnPaint() {
  PAINTSTRUCT ps{};
  HDC hDC = BeginPaint(m_hWnd, &ps);
  BitBlt(hDC, 0, 0, m_lWidth, m_lHeight, m_Face.hdc(), 0, 0, SRCCOPY);
  EndPaint(m_hWnd, &ps);
  return 0;
}

LRESULT frmToolTip::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  auto* tip = static_cast<frmToolTip*>(GetPropA(hWnd, kObjectPtrProp));
  switch (iMsg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return TRUE;  // the face covers the whole window
    case WM_PAINT:
      if (tip != nullptr) return tip->OnPaint();
      break;
    default:
      break;
  }
  return DefWindowProcA(hWnd, iMsg, wParam, lParam);
}
