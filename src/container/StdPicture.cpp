#include "container/StdPicture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "container/RuntimeErrors.h"
#include "win32/gdi.h"
#include "win32/png_io.h"

namespace {

constexpr double kHiMetricPerInch = 2540.0;
constexpr char kRuntimeSource[] = "VBRuntime";
constexpr UINT kTrueColourBits = 32;
constexpr int kDibRedShift = 16;
constexpr int kDibGreenShift = 8;

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
  // One 32-bit bitmap made from all the pixels at once: rows of 0x00RRGGBB, as a DIB holds them.
  std::vector<DWORD> bits(surface.pixels.size());
  std::transform(surface.pixels.begin(), surface.pixels.end(), bits.begin(), [](COLORREF c) {
    return static_cast<DWORD>(GetRValue(c)) << kDibRedShift | static_cast<DWORD>(GetGValue(c)) << kDibGreenShift |
           GetBValue(c);
  });
  return FromBitmap(CreateBitmap(surface.width, surface.height, 1, kTrueColourBits, bits.data()), true);
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
