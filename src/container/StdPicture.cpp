#include "container/StdPicture.h"

#include <cmath>
#include <filesystem>

#include "container/RuntimeErrors.h"
#include "win32/gdi.h"
#include "win32/png_io.h"

namespace {

constexpr double kHiMetricPerInch = 2540.0;
constexpr char kRuntimeSource[] = "VBRuntime";

// The screen's horizontal resolution, read from a display DC.
int ScreenDpi() {
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int dpi = GetDeviceCaps(display, LOGPIXELSX);
  DeleteDC(display);
  return dpi;
}

}  // namespace

LONG PixelsToHiMetric(int pixels, int dpi) {
  return static_cast<LONG>(std::lround(pixels * kHiMetricPerInch / dpi));
}

int HiMetricToPixels(LONG himetric, int dpi) {
  return static_cast<int>(std::lround(himetric * dpi / kHiMetricPerInch));
}

StdPicture::~StdPicture() {
  if (m_Own && m_Bitmap) DeleteObject(m_Bitmap);
}

std::shared_ptr<StdPicture> StdPicture::FromBitmap(HBITMAP bitmap, bool own) {
  auto picture = std::make_shared<StdPicture>();
  BITMAP info{};
  if (bitmap && GetObjectA(bitmap, sizeof info, &info) != 0) {
    picture->m_Bitmap = bitmap;
    picture->m_Own = own;
    picture->m_Size = SIZE{info.bmWidth, info.bmHeight};
  }
  return picture;
}

std::shared_ptr<StdPicture> StdPicture::FromSurface(const win32::Surface& surface) {
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(display, surface.width, surface.height);
  HDC memory = CreateCompatibleDC(display);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  for (int y = 0; y < surface.height; ++y) {
    for (int x = 0; x < surface.width; ++x) SetPixelV(memory, x, y, surface.At(x, y));
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteDC(display);
  return FromBitmap(bitmap, true);
}

LONG StdPicture::Width() const { return PixelsToHiMetric(m_Size.cx, ScreenDpi()); }
LONG StdPicture::Height() const { return PixelsToHiMetric(m_Size.cy, ScreenDpi()); }

std::shared_ptr<StdPicture> LoadPicture(const std::string& path) {
  if (!std::filesystem::exists(path)) RaiseRuntimeErrorFrom(runtime_error_number::FileNotFound, kRuntimeSource);
  win32::Surface surface;
  if (!win32::ReadPng(path, surface)) {
    RaiseRuntimeErrorFrom(runtime_error_number::InvalidPicture, kRuntimeSource);
  }
  return StdPicture::FromSurface(surface);
}
