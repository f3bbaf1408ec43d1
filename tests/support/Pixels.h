// Pixels for tests: a white 32-bit memory canvas, reading a DC back into a surface, comparing
// and saving surfaces, and rectangles as text for readable failure output.
#pragma once
#include <algorithm>
#include <filesystem>
#include <string>

#include "win32/gdi.h"
#include "win32/png_io.h"
#include "win32/surface.h"

namespace mirel_test {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kGreen = RGB(0, 128, 0);

inline void FillDC(HDC hdc, const RECT& area, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(hdc, &area, brush);
  DeleteObject(brush);
}

inline win32::Surface ReadPixels(HDC hdc, int width, int height) {
  win32::Surface pixels;
  pixels.Resize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.At(x, y) = GetPixel(hdc, x, y);
  return pixels;
}

inline bool SamePixels(const win32::Surface& a, const win32::Surface& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

// "<build dir>/test-output/<name>.png", its folder made.
inline std::string OutputPng(const std::string& name) {
  std::filesystem::create_directories("test-output");
  return "test-output/" + name + ".png";
}

// Bounding box of the points of `area` where `is(x, y)` holds ({0, 0, 0, 0} when none does).
template <class Is>
RECT BoundsWhere(const RECT& area, Is is) {
  RECT box{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (is(x, y))
        box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                   std::max<LONG>(box.bottom, y + 1)};
  return box.left < box.right ? box : RECT{0, 0, 0, 0};
}

// Bounding box of the pixels that differ from `background` (empty when none do).
inline RECT InkBox(const win32::Surface& pixels, COLORREF background = kWhite) {
  return BoundsWhere(RECT{0, 0, pixels.width, pixels.height}, [&](int x, int y) { return pixels.At(x, y) != background; });
}

// "RGB(r,g,b)", so that colours in a failure message read as colours.
inline std::string ColourText(COLORREF colour) {
  return "RGB(" + std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
         std::to_string(GetBValue(colour)) + ")";
}

// "left,top-right,bottom", so that a rectangle is checked in one comparison.
inline std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

// Selects a GDI object into a DC while alive, then deletes it (stock objects survive that).
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;
  HDC dc() const { return dc_; }
  HGDIOBJ object() const { return object_; }

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ old_;
};

// A 32-bit memory DC filled with one colour, read back with GetPixel.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = kWhite) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    DeleteDC(screen);
    old_ = SelectObject(dc_, bitmap_);
    Fill(RECT{0, 0, width, height}, fill);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }

  void Fill(RECT r, COLORREF color) const { FillDC(dc_, r, color); }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  win32::Surface Pixels() const { return ReadPixels(dc_, width_, height_); }
  RECT InkBox(COLORREF background = kWhite) const { return mirel_test::InkBox(Pixels(), background); }

  // Rows as text, '#' for `ink` and '.' for anything else, for readable failure output.
  std::string Rows(RECT r, COLORREF ink) const {
    std::string out;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) out += At(x, y) == ink ? '#' : '.';
      out += '\n';
    }
    return out;
  }
  std::string Rows(COLORREF ink) const { return Rows(RECT{0, 0, width_, height_}, ink); }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace mirel_test
