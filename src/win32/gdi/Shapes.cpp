// Pixels, pen lines and filled shapes, and the USER rectangle painters.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "win32/gdi/DeviceContext.h"
#include "win32/gdi/GdiObjects.h"

namespace {

using namespace win32::gdi;

constexpr int kDotOn = 3;  // cosmetic dotted pens: 3 pixels on, 3 off
constexpr int kDashOn = 18;
constexpr int kDashOff = 6;
constexpr std::uintptr_t kSysColorBrushLimit = kSysColorCount + 1;

// Win32 lets a brush argument be a system colour index + 1.
HBRUSH ResolveBrush(HBRUSH brush) {
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value > 0 && value <= kSysColorBrushLimit) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

struct PenPlotter {
  const DeviceContext& dc;
  const PenObject* pen;
  int step = 0;

  bool Visible() const { return pen && pen->style != PS_NULL; }
  void Plot(int x, int y) {
    const int index = step++;
    if (pen->style == PS_DOT && index % (2 * kDotOn) >= kDotOn) return;
    if (pen->style == PS_DASH && index % (kDashOn + kDashOff) >= kDashOn) return;
    const int half = (pen->width - 1) / 2;
    for (int dy = 0; dy < pen->width; ++dy) {
      for (int dx = 0; dx < pen->width; ++dx) PlotPixel(dc, x - half + dx, y - half + dy, pen->color);
    }
  }
  // Bresenham from (x0, y0) towards (x1, y1), the end point excluded as in LineTo.
  void Line(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
      Plot(x0, y0);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x0 += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y0 += sy;
      }
    }
  }
};

PenPlotter PlotterFor(const DeviceContext& dc) { return PenPlotter{dc, Find<PenObject>(dc.attr.pen)}; }

bool PenVisible(const DeviceContext& dc) {
  const PenObject* pen = Find<PenObject>(dc.attr.pen);
  return pen && pen->style != PS_NULL;
}

// Pixel centres inside an ellipse inscribed in [left, right) x [top, bottom).
bool InsideEllipse(double cx, double cy, double rx, double ry, int x, int y) {
  const double nx = (x - cx) / rx;
  const double ny = (y - cy) / ry;
  return nx * nx + ny * ny <= 1.0;
}

// Even-odd scanline fill of a polygon with the DC's brush.
void FillPolygon(const DeviceContext& dc, const POINT* points, int count) {
  int top = points[0].y;
  int bottom = points[0].y;
  for (int i = 1; i < count; ++i) {
    top = std::min<int>(top, points[i].y);
    bottom = std::max<int>(bottom, points[i].y);
  }
  constexpr double kCentre = 0.5;
  for (int y = top; y < bottom; ++y) {
    const double sy = y + kCentre;
    std::vector<double> xs;
    for (int i = 0; i < count; ++i) {
      const POINT a = points[i];
      const POINT b = points[(i + 1) % count];
      if ((a.y <= sy) == (b.y <= sy)) continue;
      xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int from = static_cast<int>(std::ceil(xs[i] - kCentre));
      const int to = static_cast<int>(std::ceil(xs[i + 1] - kCentre));
      FillWithBrush(dc, RECT{from, y, to, y + 1}, dc.attr.brush);
    }
  }
}

}  // namespace

COLORREF GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  const POINT p = ToTarget(*dc, x, y);
  if (!IsVisible(*dc, p)) return CLR_INVALID;
  return TargetOf(*dc)->At(p.x, p.y);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  PlotPixel(*dc, x, y, color);
  return GetPixel(hdc, x, y);
}

// Succeeds where the pixel is visible, without reading the colour back as SetPixel does.
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  PlotPixel(*dc, x, y, color);
  return IsVisible(*dc, ToTarget(*dc, x, y)) ? TRUE : FALSE;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->attr.position;
  dc->attr.position = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  PenPlotter plotter = PlotterFor(*dc);
  if (plotter.Visible()) plotter.Line(dc->attr.position.x, dc->attr.position.y, x, y);
  dc->attr.position = POINT{x, y};
  return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !points || count < 2) return FALSE;
  PenPlotter plotter = PlotterFor(*dc);
  if (!plotter.Visible()) return TRUE;
  for (int i = 0; i + 1 < count; ++i) plotter.Line(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y);
  return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !points || count < 2) return FALSE;
  FillPolygon(*dc, points, count);
  PenPlotter plotter = PlotterFor(*dc);
  if (!plotter.Visible()) return TRUE;
  for (int i = 0; i < count; ++i) {
    const POINT a = points[i];
    const POINT b = points[(i + 1) % count];
    plotter.Line(a.x, a.y, b.x, b.y);
  }
  return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (!PenVisible(*dc)) {
    // Without a pen the interior stops one pixel short on the right and bottom.
    FillWithBrush(*dc, RECT{left, top, right - 1, bottom - 1}, dc->attr.brush);
    return TRUE;
  }
  FillWithBrush(*dc, RECT{left + 1, top + 1, right - 1, bottom - 1}, dc->attr.brush);
  PenPlotter plotter = PlotterFor(*dc);
  plotter.Line(left, top, right - 1, top);
  plotter.Line(right - 1, top, right - 1, bottom - 1);
  plotter.Line(right - 1, bottom - 1, left, bottom - 1);
  plotter.Line(left, bottom - 1, left, top);
  return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  if (right - left < 1 || bottom - top < 1) return TRUE;
  constexpr double kHalf = 0.5;
  const double cx = (left + right - 1) * kHalf;
  const double cy = (top + bottom - 1) * kHalf;
  const double rx = (right - left) * kHalf;
  const double ry = (bottom - top) * kHalf;
  const PenObject* pen = Find<PenObject>(dc->attr.pen);
  const bool outline = PenVisible(*dc);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (!InsideEllipse(cx, cy, rx, ry, x, y)) continue;
      const bool edge = !InsideEllipse(cx, cy, rx, ry, x - 1, y) || !InsideEllipse(cx, cy, rx, ry, x + 1, y) ||
                        !InsideEllipse(cx, cy, rx, ry, x, y - 1) || !InsideEllipse(cx, cy, rx, ry, x, y + 1);
      if (edge && outline) {
        PlotPixel(*dc, x, y, pen->color);
      } else {
        FillWithBrush(*dc, RECT{x, y, x + 1, y + 1}, dc->attr.brush);
      }
    }
  }
  return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !rect) return FALSE;
  FillWithBrush(*dc, *rect, ResolveBrush(brush));
  return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !rect) return FALSE;
  if (IsRectEmpty(rect)) return TRUE;
  const HBRUSH b = ResolveBrush(brush);
  const RECT& r = *rect;
  FillWithBrush(*dc, RECT{r.left, r.top, r.right, r.top + 1}, b);
  FillWithBrush(*dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, b);
  FillWithBrush(*dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, b);
  FillWithBrush(*dc, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, b);
  return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !rect || IsRectEmpty(rect)) return FALSE;
  win32::Surface* target = TargetOf(*dc);
  const RECT& r = *rect;
  // A dotted frame inverted with XOR, every other pixel, so drawing it twice removes it.
  auto invert = [&](int x, int y) {
    if ((x + y) % 2 != 0) return;
    const POINT p = ToTarget(*dc, x, y);
    if (IsVisible(*dc, p)) target->At(p.x, p.y) ^= 0x00FFFFFF;
  };
  for (int x = r.left; x < r.right; ++x) {
    invert(x, r.top);
    if (r.bottom - 1 > r.top) invert(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    invert(r.left, y);
    if (r.right - 1 > r.left) invert(r.right - 1, y);
  }
  return TRUE;
}
