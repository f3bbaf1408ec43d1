// TextOut, ExtTextOut, text extents and metrics, and the "A" entry points' code page.
#include <array>
#include <cstring>
#include <string>

#include "win32/gdi/TextRun.h"

namespace win32 {

std::u16string AnsiToWide(const char* text, int length) {
  // Windows-1252 differs from Latin-1 only in 0x80..0x9F.
  static constexpr std::array<char16_t, 32> kHighControls = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  constexpr unsigned kHighFirst = 0x80;
  std::u16string out;
  if (!text) return out;
  const size_t n = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    out += (b >= kHighFirst && b < kHighFirst + kHighControls.size()) ? kHighControls[b - kHighFirst] : static_cast<char16_t>(b);
  }
  return out;
}

}  // namespace win32

namespace {

using namespace win32::gdi;

std::u16string_view Wide(LPCWSTR text, int length) {
  if (!text) return {};
  return std::u16string_view(text, length < 0 ? std::char_traits<char16_t>::length(text) : static_cast<size_t>(length));
}

// Moves the reference point to the top-left of the cell per the DC's text alignment.
POINT CellOrigin(const DeviceContext& dc, FontFace& face, int x, int y, int width) {
  const UINT align = dc.attr.textAlign;
  if ((align & TA_CENTER) == TA_CENTER) {
    x -= width / 2;
  } else if (align & TA_RIGHT) {
    x -= width;
  }
  if ((align & TA_BASELINE) == TA_BASELINE) {
    y -= face.Metrics().ascent;
  } else if (align & TA_BOTTOM) {
    y -= face.Metrics().height;
  }
  return POINT{x, y};
}

BOOL ExtTextOutImpl(HDC hdc, int x, int y, UINT options, const RECT* rect, std::u16string_view text) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  FontFace& face = FaceOf(*dc);
  const int width = face.MeasureWidth(text);
  if (dc->attr.textAlign & TA_UPDATECP) {
    x = dc->attr.position.x;
    y = dc->attr.position.y;
    dc->attr.position.x += width;
  }
  const POINT cell = CellOrigin(*dc, face, x, y, width);
  DcAttributes saved = dc->attr;
  if (rect && (options & ETO_OPAQUE)) {
    const HBRUSH brush = CreateSolidBrush(dc->attr.bkColor);
    FillWithBrush(*dc, *rect, brush);
    DeleteObject(brush);
  }
  if (rect && (options & ETO_CLIPPED)) IntersectClipRect(hdc, rect->left, rect->top, rect->right, rect->bottom);
  DrawTextRun(*dc, cell.x, cell.y, text);
  saved.position = dc->attr.position;
  dc->attr = std::move(saved);
  return TRUE;
}

BOOL ExtentOf(HDC hdc, std::u16string_view text, SIZE* size) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !size) return FALSE;
  FontFace& face = FaceOf(*dc);
  size->cx = face.MeasureWidth(text);
  size->cy = face.Metrics().height;
  return TRUE;
}

}  // namespace

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT length, const INT*) {
  return ExtTextOutImpl(hdc, x, y, options, rect, Wide(text, static_cast<int>(length)));
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length, const INT*) {
  return ExtTextOutImpl(hdc, x, y, options, rect, win32::AnsiToWide(text, static_cast<int>(length)));
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR text, int length) {
  return ExtTextOutImpl(hdc, x, y, 0, nullptr, Wide(text, length));
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
  return ExtTextOutImpl(hdc, x, y, 0, nullptr, win32::AnsiToWide(text, length));
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int length, SIZE* size) {
  return ExtentOf(hdc, Wide(text, length), size);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, SIZE* size) {
  return ExtentOf(hdc, win32::AnsiToWide(text, length), size);
}

BOOL GetTextMetricsW(HDC hdc, TEXTMETRICW* metrics) {
  constexpr WCHAR kFirstChar = 0x20;
  constexpr WCHAR kLastChar = 0xFFFC;
  constexpr WCHAR kDefaultChar = 0x1F;
  constexpr WCHAR kBreakChar = 0x20;
  constexpr LONG kAspect = 96;
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !metrics) return FALSE;
  FontFace& face = FaceOf(*dc);
  const FontMetrics& m = face.Metrics();
  const LOGFONTW& lf = face.LogFont();
  *metrics = TEXTMETRICW{};
  metrics->tmHeight = m.height;
  metrics->tmAscent = m.ascent;
  metrics->tmDescent = m.descent;
  metrics->tmInternalLeading = m.internalLeading;
  metrics->tmExternalLeading = m.externalLeading;
  metrics->tmAveCharWidth = m.aveCharWidth;
  metrics->tmMaxCharWidth = m.maxCharWidth;
  metrics->tmWeight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
  metrics->tmDigitizedAspectX = kAspect;
  metrics->tmDigitizedAspectY = kAspect;
  metrics->tmFirstChar = kFirstChar;
  metrics->tmLastChar = kLastChar;
  metrics->tmDefaultChar = kDefaultChar;
  metrics->tmBreakChar = kBreakChar;
  metrics->tmItalic = lf.lfItalic;
  metrics->tmUnderlined = lf.lfUnderline;
  metrics->tmStruckOut = lf.lfStrikeOut;
  metrics->tmCharSet = lf.lfCharSet;
  return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) { return GetTextMetricsW(hdc, metrics); }
