#include "core/AboutBox.h"

#include <iterator>

namespace {

constexpr const char* kClassName = "MirelMenuBar20About";
constexpr const char* kTitle = "About MirelMenuBar20";
constexpr const char* kOwnerProp = "MirelMenuBar20About:ObjectPtr";
constexpr int kWidth = 300;
constexpr int kHeight = 120;
constexpr int kMargin = 12;
constexpr int kLineHeight = 24;
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;

void CenterOver(HWND owner, int& x, int& y) {
  RECT area{};
  if (owner != nullptr && IsWindow(owner)) {
    GetWindowRect(owner, &area);
  } else {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  x = area.left + (area.right - area.left - kWidth) / 2;
  y = area.top + (area.bottom - area.top - kHeight) / 2;
}

}  // namespace

AboutBox::~AboutBox() { Close(); }

// Registering again fails harmlessly while the class exists; a reset desktop forgets it.
void AboutBox::RegisterWindowClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &AboutBox::WindowProc;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
}

void AboutBox::Show(HWND owner) {
  if (m_hWnd != nullptr) {
    BringWindowToTop(m_hWnd);
    return;
  }
  RegisterWindowClass();
  int x = 0;
  int y = 0;
  CenterOver(owner, x, y);
  m_hWnd = CreateWindowExA(WS_EX_DLGMODALFRAME, kClassName, kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y,
                           kWidth, kHeight, owner, nullptr, nullptr, nullptr);
  if (m_hWnd == nullptr) return;
  SetPropA(m_hWnd, kOwnerProp, this);
  ShowWindow(m_hWnd, SW_SHOW);
  UpdateWindow(m_hWnd);
}

void AboutBox::Close() {
  if (m_hWnd == nullptr) return;
  HWND hWnd = m_hWnd;
  m_hWnd = nullptr;
  RemovePropA(hWnd, kOwnerProp);
  DestroyWindow(hWnd);
}

void AboutBox::OnPaint(HWND hWnd) {
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(hWnd, &ps);
  RECT client{};
  GetClientRect(hWnd, &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(hdc, TRANSPARENT);
  const char* lines[] = {kProductName, kVersionText, kWebLink};
  const COLORREF colours[] = {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_HOTLIGHT)};
  RECT line{client.left + kMargin, client.top + kMargin, client.right - kMargin, client.top + kMargin + kLineHeight};
  for (size_t i = 0; i < std::size(lines); ++i) {
    SetTextColor(hdc, colours[i]);
    DrawTextA(hdc, lines[i], -1, &line, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    OffsetRect(&line, 0, kLineHeight);
  }
  SelectObject(hdc, oldFont);
  EndPaint(hWnd, &ps);
}

LRESULT AboutBox::WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<AboutBox*>(GetPropA(hWnd, kOwnerProp));
  switch (msg) {
    case WM_PAINT:
      OnPaint(hWnd);
      return 0;
    case WM_KEYDOWN:
      if ((wParam == kVkReturn || wParam == kVkEscape) && self != nullptr) self->Close();
      return 0;
    case WM_LBUTTONUP:
    case WM_CLOSE:
      if (self != nullptr) self->Close();
      return 0;
    default:
      return DefWindowProcA(hWnd, msg, wParam, lParam);
  }
}
