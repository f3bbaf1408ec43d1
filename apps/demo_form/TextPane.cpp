#include "demo_form/TextPane.h"

#include <algorithm>
#include <cstring>

#include "container/WindowClass.h"
#include "win32/kernel.h"

namespace {

constexpr char kClassName[] = "MirelDemoTextPane";
constexpr char kObjectProperty[] = "MirelDemoTextPane:ObjectPtr";
constexpr char kFontFace[] = "Tahoma";
constexpr int kFontPoints = 8;
constexpr int kPointsPerInch = 72;
constexpr int kPadding = 4;       // pixels between the border and the text
constexpr int kLineGap = 2;       // pixels between lines
constexpr int kTitleGap = 6;      // pixels below the title
constexpr UINT kLineFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

HFONT PaneFont(HDC hdc, LONG weight, bool italic = false, bool underline = false) {
  LOGFONTA lf{};
  lf.lfHeight = -MulDiv(kFontPoints, GetDeviceCaps(hdc, LOGPIXELSY), kPointsPerInch);
  lf.lfWeight = weight;
  lf.lfItalic = italic ? TRUE : FALSE;
  lf.lfUnderline = underline ? TRUE : FALSE;
  std::strncpy(lf.lfFaceName, kFontFace, sizeof lf.lfFaceName - 1);
  return CreateFontIndirectA(&lf);
}

int LineHeight(HDC hdc) {
  SIZE size{};
  GetTextExtentPoint32A(hdc, "Wg", 2, &size);
  return size.cy + kLineGap;
}

void DrawLine(HDC hdc, const std::string& text, int left, int top, int right, int height, UINT align = DT_LEFT,
              COLORREF highlight = CLR_INVALID) {
  RECT rect{left, top, right, top + height};
  if (highlight != CLR_INVALID && !text.empty()) {
    RECT behind = rect;
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &behind, kLineFormat | align | DT_CALCRECT);
    const int width = behind.right - behind.left;
    behind.left = align == DT_RIGHT ? right - width : align == DT_CENTER ? (left + right - width) / 2 : left;
    behind.right = behind.left + width;
    behind.bottom = top + height;
    HBRUSH brush = CreateSolidBrush(highlight);
    FillRect(hdc, &behind, brush);
    DeleteObject(brush);
  }
  DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, kLineFormat | align);
}

}  // namespace

TextPane::TextPane(HWND parent, TextPaneLook look) : m_Look(look) {
  EnsureWindowClass<&TextPane::WindowProc>(kClassName);
  m_hWnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr, nullptr, nullptr);
  SetPropA(m_hWnd, kObjectProperty, this);
}

TextPane::~TextPane() { DestroyOwnWindow(m_hWnd, kObjectProperty, this); }

void TextPane::Move(const RECT& rect) {
  MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void TextPane::SetTitle(std::string title) {
  m_Title = std::move(title);
  InvalidateRect(m_hWnd, nullptr, FALSE);
}

void TextPane::SetLines(std::vector<std::string> lines) {
  m_Lines = std::move(lines);
  InvalidateRect(m_hWnd, nullptr, FALSE);
}

void TextPane::AddLine(std::string line) {
  m_Lines.push_back(std::move(line));
  if (m_Look.maxLines != 0 && m_Lines.size() > m_Look.maxLines) m_Lines.erase(m_Lines.begin());
  InvalidateRect(m_hWnd, nullptr, FALSE);
}

void TextPane::SetFormat(const TextFormat& format) {
  m_Format = format;
  InvalidateRect(m_hWnd, nullptr, FALSE);
}

int TextPane::FittingHeight(int lines) const {
  HDC hdc = GetDC(m_hWnd);
  HFONT regular = PaneFont(hdc, FW_NORMAL);
  HGDIOBJ old = SelectObject(hdc, regular);
  const int height = lines * LineHeight(hdc) + 2 * kPadding;
  SelectObject(hdc, old);
  DeleteObject(regular);
  ReleaseDC(m_hWnd, hdc);
  return height;
}

void TextPane::Paint() {
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(m_hWnd, &ps);
  RECT client{};
  GetClientRect(m_hWnd, &client);
  HBRUSH back = CreateSolidBrush(m_Look.back);
  FillRect(hdc, &client, back);
  DeleteObject(back);
  if (m_Look.border != CLR_INVALID) {
    HBRUSH border = CreateSolidBrush(m_Look.border);
    FrameRect(hdc, &client, border);
    DeleteObject(border);
  }
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, m_Look.text);

  HFONT bold = PaneFont(hdc, FW_BOLD);
  HFONT regular = PaneFont(hdc, m_Format.bold ? FW_BOLD : FW_NORMAL, m_Format.italic, m_Format.underline);
  HGDIOBJ old = SelectObject(hdc, bold);
  const int height = LineHeight(hdc);
  const int left = client.left + kPadding;
  const int right = client.right - kPadding;
  int top = client.top + kPadding;
  if (!m_Title.empty()) {
    DrawLine(hdc, m_Title, left, top, right, height);
    top += height + kTitleGap;
  }
  SelectObject(hdc, regular);
  if (m_Format.color != CLR_INVALID) SetTextColor(hdc, m_Format.color);
  const int fitting = std::max(0, (client.bottom - kPadding - top) / height);
  std::size_t first = 0;
  if (m_Look.newestLast && m_Lines.size() > static_cast<std::size_t>(fitting)) first = m_Lines.size() - fitting;
  for (std::size_t i = first; i < m_Lines.size() && top + height <= client.bottom; ++i, top += height) {
    DrawLine(hdc, m_Lines[i], left, top, right, height, m_Format.align, m_Format.highlight);
  }
  SelectObject(hdc, old);
  DeleteObject(regular);
  DeleteObject(bold);
  EndPaint(m_hWnd, &ps);
}

void TextPane::RightButtonUp(LPARAM lParam) {
  if (!m_OnRightClick) return;
  POINT pt{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  ClientToScreen(m_hWnd, &pt);
  m_OnRightClick(pt);
}

void TextPane::Type(char ch) {
  constexpr char kFirstPrintable = ' ';
  if (!m_OnTyped || static_cast<unsigned char>(ch) < kFirstPrintable) return;
  if (m_Lines.empty()) m_Lines.emplace_back();
  m_Lines.back().push_back(ch);
  InvalidateRect(m_hWnd, nullptr, FALSE);
  m_OnTyped(ch);
}

LRESULT TextPane::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* pane = static_cast<TextPane*>(GetPropA(hwnd, kObjectProperty));
  if (!pane) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT: pane->Paint(); return 0;
    case WM_ERASEBKGND: return 1;  // Paint covers every pixel
    case WM_RBUTTONUP: pane->RightButtonUp(lParam); return 0;
    case WM_LBUTTONDOWN:
      if (pane->m_OnTyped) SetFocus(hwnd);
      return 0;
    case WM_CHAR: pane->Type(static_cast<char>(wParam)); return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}
