#include "render/modPicture.h"

#include <cmath>

#include "container/StdPicture.h"
#include "container/Variant.h"
#include "render/ResourceBitmaps.h"
#include "render/cMemDC.h"

namespace {

constexpr double kHiMetricPerInch = 2540.0;
constexpr BOOL kPaletteInBackground = TRUE;
// Destination AND NOT source: clears the picture's copy where the mask is set.
constexpr DWORD kRopClearWhereMaskSet = 0x00220326;
constexpr COLORREF kMaskOpaque = RGB(0, 0, 0);
constexpr COLORREF kMaskTransparent = RGB(255, 255, 255);
constexpr UINT kMonochromePlanes = 1;
constexpr UINT kMonochromeBits = 1;

std::int16_t ScreenPixelsFromHiMetric(LONG himetric, int capability) {
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int dpi = GetDeviceCaps(screen, capability);
  DeleteDC(screen);
  // The runtime's conversion to a 16-bit integer: banker's rounding, overflow is error 6.
  return StoreInt16(static_cast<std::int64_t>(std::nearbyint(himetric * dpi / kHiMetricPerInch)));
}

// A DC compatible with the screen holding the picture's bitmap (and the palette, realized
// in the background); the destructor restores both and deletes the DC.
class PictureDC {
 public:
  PictureDC(const StdPicture& picture, HPALETTE palette) : m_hDC(CreateCompatibleDC(nullptr)) {
    m_hOldBitmap = SelectObject(m_hDC, picture.Handle());
    if (palette != nullptr) {
      m_hOldPalette = SelectPalette(m_hDC, palette, kPaletteInBackground);
      RealizePalette(m_hDC);
    }
  }
  ~PictureDC() {
    if (m_hOldPalette != nullptr) SelectPalette(m_hDC, m_hOldPalette, kPaletteInBackground);
    if (m_hOldBitmap != nullptr) SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC(m_hDC);
  }
  PictureDC(const PictureDC&) = delete;
  PictureDC& operator=(const PictureDC&) = delete;

  HDC hdc() const { return m_hDC; }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOldBitmap = nullptr;
  HPALETTE m_hOldPalette = nullptr;
};

// A memory DC with a bitmap of its own, both deleted with it.
class ScratchDC {
 public:
  explicit ScratchDC(HBITMAP bitmap) : m_hDC(CreateCompatibleDC(nullptr)), m_hBitmap(bitmap) {
    m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
  }
  ~ScratchDC() {
    SelectObject(m_hDC, m_hOldBitmap);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hDC);
  }
  ScratchDC(const ScratchDC&) = delete;
  ScratchDC& operator=(const ScratchDC&) = delete;

  HDC hdc() const { return m_hDC; }

 private:
  HDC m_hDC;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOldBitmap = nullptr;
};

}  // namespace

bool LoadBitmapSurface(std::string_view name, cMemDC& surface) {
  const win32::Surface* pixels = DecodedResourceBitmap(name);
  if (pixels == nullptr) return false;
  const auto picture = StdPicture::FromSurface(*pixels);
  const int width = PictureWidthPx(*picture);
  const int height = PictureHeightPx(*picture);
  surface.ChangeSize(width, height);
  BlitPicture(surface.hdc(), *picture, 0, 0, width, height);
  return true;
}

std::int16_t PictureWidthPx(const StdPicture& picture) { return ScreenPixelsFromHiMetric(picture.Width(), LOGPIXELSX); }
std::int16_t PictureHeightPx(const StdPicture& picture) { return ScreenPixelsFromHiMetric(picture.Height(), LOGPIXELSY); }

void BlitPicture(HDC destDC, const StdPicture& picture, int x, int y, int w, int h, HPALETTE palette, bool stretch,
                 int srcX, int srcY, int srcW, int srcH) {
  const PictureDC source(picture, palette);
  if (stretch) {
    StretchBlt(destDC, x, y, w, h, source.hdc(), srcX, srcY, srcW, srcH, SRCCOPY);
  } else {
    BitBlt(destDC, x, y, w, h, source.hdc(), 0, 0, SRCCOPY);
  }
}

void BlitPictureTransparent(HDC destDC, const StdPicture& picture, int x, int y, int w, int h, HPALETTE palette) {
  const PictureDC source(picture, palette);
  const COLORREF transparent = GetPixel(source.hdc(), 0, 0);

  // The mask is set (white) where the picture has the transparent colour.
  const ScratchDC mask(CreateBitmap(w, h, kMonochromePlanes, kMonochromeBits, nullptr));
  const COLORREF sourceBack = SetBkColor(source.hdc(), transparent);
  BitBlt(mask.hdc(), 0, 0, w, h, source.hdc(), 0, 0, SRCCOPY);
  SetBkColor(source.hdc(), sourceBack);

  const ScratchDC cleared(CreateCompatibleBitmap(source.hdc(), w, h));
  BitBlt(cleared.hdc(), 0, 0, w, h, source.hdc(), 0, 0, SRCCOPY);
  BitBlt(cleared.hdc(), 0, 0, w, h, mask.hdc(), 0, 0, kRopClearWhereMaskSet);

  // A monochrome source takes the destination's text and background colours: pin them so the
  // mask keeps the destination exactly where it is set, whatever the caller left selected.
  const COLORREF destText = SetTextColor(destDC, kMaskOpaque);
  const COLORREF destBack = SetBkColor(destDC, kMaskTransparent);
  BitBlt(destDC, x, y, w, h, mask.hdc(), 0, 0, SRCAND);
  BitBlt(destDC, x, y, w, h, cleared.hdc(), 0, 0, SRCPAINT);
  SetTextColor(destDC, destText);
  SetBkColor(destDC, destBack);
}
