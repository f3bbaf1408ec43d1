#include "ArtCanvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr double kCornerBlend = 0.6;
constexpr char kInk = 'X';
constexpr double kStripTopLight = 0.45;
constexpr double kStripShade = 0.5;
constexpr COLORREF kWhite = RGB(255, 255, 255);

BYTE Channel(double a, double b, double t) { return static_cast<BYTE>(std::lround(a + (b - a) * t)); }

double Fraction(int i, int count) { return count <= 1 ? 0.0 : static_cast<double>(i) / (count - 1); }

}  // namespace

COLORREF Mix(COLORREF a, COLORREF b, double t) {
  return RGB(Channel(GetRValue(a), GetRValue(b), t), Channel(GetGValue(a), GetGValue(b), t),
             Channel(GetBValue(a), GetBValue(b), t));
}

win32::Surface Blank(int w, int h, COLORREF fill) {
  win32::Surface s;
  s.bitsPerPixel = 24;
  s.Resize(w, h, fill);
  return s;
}

void Put(win32::Surface& s, int x, int y, COLORREF c) {
  if (s.Contains(x, y)) s.At(x, y) = c;
}

void Fill(win32::Surface& s, RECT r, COLORREF c) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) Put(s, x, y, c);
}

void Frame(win32::Surface& s, RECT r, COLORREF c) {
  Fill(s, {r.left, r.top, r.right, r.top + 1}, c);
  Fill(s, {r.left, r.bottom - 1, r.right, r.bottom}, c);
  Fill(s, {r.left, r.top, r.left + 1, r.bottom}, c);
  Fill(s, {r.right - 1, r.top, r.right, r.bottom}, c);
}

void VerticalGradient(win32::Surface& s, RECT r, COLORREF top, COLORREF bottom) {
  const int rows = r.bottom - r.top;
  for (int i = 0; i < rows; ++i) Fill(s, {r.left, r.top + i, r.right, r.top + i + 1}, Mix(top, bottom, Fraction(i, rows)));
}

void HorizontalGradient(win32::Surface& s, RECT r, COLORREF left, COLORREF right) {
  const int columns = r.right - r.left;
  for (int i = 0; i < columns; ++i)
    Fill(s, {r.left + i, r.top, r.left + i + 1, r.bottom}, Mix(left, right, Fraction(i, columns)));
}

void VerticalGradient3(win32::Surface& s, RECT r, COLORREF top, COLORREF middle, COLORREF bottom, double middleAt) {
  const int rows = r.bottom - r.top;
  for (int i = 0; i < rows; ++i) {
    const double t = Fraction(i, rows);
    const COLORREF c = t < middleAt ? Mix(top, middle, t / middleAt) : Mix(middle, bottom, (t - middleAt) / (1 - middleAt));
    Fill(s, {r.left, r.top + i, r.right, r.top + i + 1}, c);
  }
}

win32::Surface ShadedStrip(int w, int h, COLORREF left, COLORREF right, COLORREF shade) {
  win32::Surface s = Blank(w, h, right);
  HorizontalGradient(s, {0, 0, w, h}, left, right);
  const int lightRows = h / 2;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (y == h - 1) {
        s.At(x, y) = Mix(s.At(x, y), shade, kStripShade);
      } else if (y < lightRows) {
        s.At(x, y) = Mix(s.At(x, y), kWhite, kStripTopLight * (lightRows - y) / lightRows);
      }
    }
  }
  return s;
}

void RoundCorners(win32::Surface& s, RECT r, COLORREF outside) {
  const POINT corners[] = {{r.left, r.top}, {r.right - 1, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}};
  for (const POINT& p : corners) {
    if (s.Contains(p.x, p.y)) s.At(p.x, p.y) = Mix(s.At(p.x, p.y), outside, kCornerBlend);
  }
}

void Pattern(win32::Surface& s, int x, int y, std::initializer_list<const char*> rows, COLORREF ink) {
  int row = 0;
  for (const char* line : rows) {
    for (int column = 0; line[column]; ++column) {
      if (line[column] == kInk) Put(s, x + column, y + row, ink);
    }
    ++row;
  }
}

void Paste(win32::Surface& dst, const win32::Surface& src, int x, int y) {
  for (int sy = 0; sy < src.height; ++sy)
    for (int sx = 0; sx < src.width; ++sx) Put(dst, x + sx, y + sy, src.At(sx, sy));
}

}  // namespace artgen
