// A white 32-bit memory DC for GDI tests, with pixel read-back helpers.
#pragma once
#include <algorithm>
#include <string>

#include "win32/gdi.h"
#include "win32/png_io.h"
#include "win32/surface.h"

namespace gdi_test {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kGreen = RGB(0, 128, 0);

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
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(RECT r, COLORREF color) const {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

  // Bounding box of the pixels that differ from `background` (empty when none do).
  RECT InkBox(COLORREF background = kWhite) const {
    RECT box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y) == background) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    return box.right == 0 ? RECT{0, 0, 0, 0} : box;
  }

  // Rows as text, '#' for `ink` and '.' for anything else, for readable failure output.
  std::string Rows(RECT r, COLORREF ink) const {
    std::string out;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) out += At(x, y) == ink ? '#' : '.';
      out += '\n';
    }
    return out;
  }

  bool SavePng(const std::string& path) const {
    win32::Surface copy;
    copy.Resize(width_, height_);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) copy.At(x, y) = At(x, y);
    }
    return win32::WritePng(copy, path);
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace gdi_test
