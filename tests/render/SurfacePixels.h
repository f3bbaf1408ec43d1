// Reading a device context's pixels back, and writing them as PNG for people to look at.
#pragma once
#include <filesystem>
#include <string>

#include "win32/png_io.h"
#include "win32/windows.h"

namespace render_test {

inline win32::Surface ReadPixels(HDC hdc, int width, int height) {
  win32::Surface pixels;
  pixels.Resize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.At(x, y) = GetPixel(hdc, x, y);
  }
  return pixels;
}

inline void FillDC(HDC hdc, const RECT& area, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(hdc, &area, brush);
  DeleteObject(brush);
}

// Writes "<build dir>/test-output/<name>.png"; returns the path.
inline std::string SavePixels(const win32::Surface& pixels, const std::string& name) {
  const std::filesystem::path folder = "test-output";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / (name + ".png")).string();
  return win32::WritePng(pixels, path) ? path : std::string();
}

inline bool SamePixels(const win32::Surface& a, const win32::Surface& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

}  // namespace render_test
