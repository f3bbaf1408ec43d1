// Renders a sample host window on the headless desktop and writes the screen to a PNG:
// a form with a caption strip, text in Tahoma, a Marlett arrow glyph, GDI shapes and a
// gradient, plus a drop-down style pop-up window above it.
#include <cstdio>
#include <cstring>
#include <string>

#include "win32/desktop.h"
#include "win32/windows.h"

namespace {

constexpr int kScreenWidth = 480;
constexpr int kScreenHeight = 320;
constexpr RECT kFormRect{20, 20, 420, 290};
constexpr RECT kPopupRect{250, 90, 400, 200};
constexpr int kCaptionHeight = 26;
constexpr int kGradientTop = 200;
constexpr int kGradientBottom = 250;
constexpr int kMarginX = 16;
constexpr char kFormClass[] = "MirelSampleForm";
constexpr char kPopupClass[] = "MirelSamplePopup";
constexpr char kMarlettDownArrow[] = "u";
constexpr char kMarlettRightArrow[] = "4";
constexpr COLORREF kCaptionLeft = RGB(0x00, 0x54, 0xE3);
constexpr COLORREF kCaptionRight = RGB(0x3D, 0x95, 0xFF);
constexpr COLORREF kFormFace = RGB(0xEC, 0xE9, 0xD8);
constexpr COLORREF kInk = RGB(0x00, 0x00, 0x00);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kGradientFrom = RGB(0xFF, 0xF4, 0xCC);
constexpr COLORREF kGradientTo = RGB(0xFF, 0x9C, 0x36);
constexpr COLORREF kShapeBlue = RGB(0x31, 0x6A, 0xC5);
constexpr COLORREF kShapeGreen = RGB(0x4C, 0xAF, 0x50);
constexpr COLORREF kPopupBorder = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kPopupHighlight = RGB(0xC1, 0xD2, 0xEE);
constexpr int kTahomaHeight = -11;
constexpr int kMarlettHeight = -13;
constexpr int kTextRowHeight = 18;
constexpr int kCaptionTextInset = 8;
constexpr int kMenuRowTop = 34;
constexpr int kMenuRowWidth = 200;
constexpr int kGlyphWidth = 16;
constexpr int kShapesLabelTop = 66;
constexpr int kShapeTop = 92;
constexpr int kShapeSize = 60;
constexpr int kShapeStep = 84;
constexpr int kRuleGap = 14;
constexpr int kLabelWidth = 284;
constexpr int kItemTop = 6;
constexpr int kItemHeight = 22;
constexpr int kItemTextLeft = 24;
constexpr int kPopupArrowWidth = 20;
constexpr int kPopupInset = 2;
constexpr int kHighlightedItem = 1;

BYTE Mix(BYTE from, BYTE to, int step, int steps) { return static_cast<BYTE>(from + (to - from) * step / steps); }

COLORREF MixColor(COLORREF from, COLORREF to, int step, int steps) {
  return RGB(Mix(GetRValue(from), GetRValue(to), step, steps), Mix(GetGValue(from), GetGValue(to), step, steps),
             Mix(GetBValue(from), GetBValue(to), step, steps));
}

void Fill(HDC hdc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &rect, brush);
  DeleteObject(brush);
}

HFONT MakeFont(const char* face, int height, LONG weight, BYTE charset) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = charset;
  std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
  return CreateFontIndirectA(&lf);
}

void DrawLabel(HDC hdc, HFONT font, COLORREF color, const char* text, RECT rect, UINT format) {
  HGDIOBJ old = SelectObject(hdc, font);
  SetTextColor(hdc, color);
  SetBkMode(hdc, TRANSPARENT);
  DrawTextA(hdc, text, -1, &rect, format);
  SelectObject(hdc, old);
}

// Vertical gradient, one FillRect per row; horizontal gradient, one per column.
void VerticalGradient(HDC hdc, const RECT& rect, COLORREF from, COLORREF to) {
  const int rows = rect.bottom - rect.top;
  for (int y = 0; y < rows; ++y) Fill(hdc, RECT{rect.left, rect.top + y, rect.right, rect.top + y + 1}, MixColor(from, to, y, rows));
}

void HorizontalGradient(HDC hdc, const RECT& rect, COLORREF from, COLORREF to) {
  const int columns = rect.right - rect.left;
  for (int x = 0; x < columns; ++x) Fill(hdc, RECT{rect.left + x, rect.top, rect.left + x + 1, rect.bottom}, MixColor(from, to, x, columns));
}

void PaintCaption(HDC hdc, const RECT& client) {
  const RECT caption{0, 0, client.right, kCaptionHeight};
  HorizontalGradient(hdc, caption, kCaptionLeft, kCaptionRight);
  HFONT bold = MakeFont("Tahoma", kTahomaHeight, FW_BOLD, DEFAULT_CHARSET);
  DrawLabel(hdc, bold, kWhite, "MirelMenuBar20 sample host", RECT{kCaptionTextInset, 0, client.right, kCaptionHeight},
           DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  DeleteObject(bold);
}

void PaintBody(HDC hdc, const RECT& client) {
  Fill(hdc, RECT{0, kCaptionHeight, client.right, client.bottom}, kFormFace);
  HFONT tahoma = MakeFont("Tahoma", kTahomaHeight, 0, DEFAULT_CHARSET);
  HFONT marlett = MakeFont("Marlett", kMarlettHeight, 0, SYMBOL_CHARSET);
  const int menuRight = kMarginX + kMenuRowWidth;
  DrawLabel(hdc, tahoma, kInk, "&File   &Edit   &View   &Help", RECT{kMarginX, kMenuRowTop, menuRight, kMenuRowTop + kTextRowHeight},
            DT_LEFT | DT_SINGLELINE);
  DrawLabel(hdc, marlett, kInk, kMarlettDownArrow, RECT{menuRight, kMenuRowTop, menuRight + kGlyphWidth, kMenuRowTop + kTextRowHeight},
            DT_CENTER | DT_SINGLELINE);
  DrawLabel(hdc, tahoma, kInk, "Shapes drawn with GDI:", RECT{kMarginX, kShapesLabelTop, kMarginX + kLabelWidth, kShapesLabelTop + kTextRowHeight},
            DT_LEFT | DT_SINGLELINE);

  HPEN pen = CreatePen(PS_SOLID, 1, kInk);
  HGDIOBJ oldPen = SelectObject(hdc, pen);
  HBRUSH blue = CreateSolidBrush(kShapeBlue);
  HGDIOBJ oldBrush = SelectObject(hdc, blue);
  const int shapeBottom = kShapeTop + kShapeSize;
  Rectangle(hdc, kMarginX, kShapeTop, kMarginX + kShapeSize, shapeBottom);
  HBRUSH green = CreateSolidBrush(kShapeGreen);
  SelectObject(hdc, green);
  const int ellipseLeft = kMarginX + kShapeStep;
  Ellipse(hdc, ellipseLeft, kShapeTop, ellipseLeft + kShapeSize, shapeBottom);
  const int triangleLeft = kMarginX + 2 * kShapeStep;
  const POINT triangle[] = {{triangleLeft, shapeBottom}, {triangleLeft + kShapeSize / 2, kShapeTop}, {triangleLeft + kShapeSize, shapeBottom}};
  SelectObject(hdc, blue);
  Polygon(hdc, triangle, 3);
  const int ruleY = shapeBottom + kRuleGap;
  MoveToEx(hdc, kMarginX, ruleY, nullptr);
  LineTo(hdc, client.right - kMarginX, ruleY);
  SelectObject(hdc, oldBrush);
  SelectObject(hdc, oldPen);
  DeleteObject(green);
  DeleteObject(blue);
  DeleteObject(pen);

  const int gradientLabelTop = ruleY + kRuleGap / 2;
  DrawLabel(hdc, tahoma, kInk, "A gradient of FillRect rows:", RECT{kMarginX, gradientLabelTop, kMarginX + kLabelWidth, gradientLabelTop + kTextRowHeight},
            DT_LEFT | DT_SINGLELINE);
  VerticalGradient(hdc, RECT{kMarginX, kGradientTop, client.right - kMarginX, kGradientBottom}, kGradientFrom, kGradientTo);
  DeleteObject(marlett);
  DeleteObject(tahoma);
}

void PaintPopup(HDC hdc, const RECT& client) {
  Fill(hdc, client, kWhite);
  HBRUSH border = CreateSolidBrush(kPopupBorder);
  FrameRect(hdc, &client, border);
  DeleteObject(border);
  const int highlightTop = kItemTop + kHighlightedItem * kItemHeight;
  const int highlightBottom = highlightTop + kItemHeight;
  Fill(hdc, RECT{kPopupInset, highlightTop, client.right - kPopupInset, highlightBottom}, kPopupHighlight);
  HFONT tahoma = MakeFont("Tahoma", kTahomaHeight, 0, DEFAULT_CHARSET);
  HFONT marlett = MakeFont("Marlett", kMarlettHeight, 0, SYMBOL_CHARSET);
  const char* items[] = {"&New", "&Open...", "Save &As", "E&xit"};
  int top = kItemTop;
  for (const char* item : items) {
    DrawLabel(hdc, tahoma, kInk, item, RECT{kItemTextLeft, top, client.right - kPopupArrowWidth, top + kItemHeight},
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    top += kItemHeight;
  }
  DrawLabel(hdc, marlett, kInk, kMarlettRightArrow, RECT{client.right - kPopupArrowWidth, highlightTop, client.right - kPopupInset * 2, highlightBottom},
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  DeleteObject(marlett);
  DeleteObject(tahoma);
}

LRESULT OnFormPaint(HWND hwnd) {
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT client{};
  GetClientRect(hwnd, &client);
  PaintCaption(hdc, client);
  PaintBody(hdc, client);
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT OnPopupPaint(HWND hwnd) {
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT client{};
  GetClientRect(hwnd, &client);
  PaintPopup(hdc, client);
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return msg == WM_PAINT ? OnFormPaint(hwnd) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT PopupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return msg == WM_PAINT ? OnPopupPaint(hwnd) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Register(const char* name, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s output.png\n", argv[0]);
    return 2;
  }
  win32::TheDesktop().Reset(win32::DesktopOptions{kScreenWidth, kScreenHeight, win32::kDefaultDpi});
  Register(kFormClass, FormProc);
  Register(kPopupClass, PopupProc);
  HWND form = CreateWindowExA(0, kFormClass, "Sample", WS_POPUP | WS_VISIBLE, kFormRect.left, kFormRect.top,
                              kFormRect.right - kFormRect.left, kFormRect.bottom - kFormRect.top, nullptr, nullptr,
                              nullptr, nullptr);
  CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kPopupClass, "Menu", WS_POPUP | WS_VISIBLE, kPopupRect.left,
                  kPopupRect.top, kPopupRect.right - kPopupRect.left, kPopupRect.bottom - kPopupRect.top, form,
                  nullptr, nullptr, nullptr);
  win32::TheDesktop().DoEvents();
  const std::string path = argv[1];
  if (!win32::TheDesktop().SaveScreenPng(path)) {
    std::fprintf(stderr, "could not write %s\n", path.c_str());
    return 1;
  }
  std::printf("%s\n", path.c_str());
  return 0;
}
