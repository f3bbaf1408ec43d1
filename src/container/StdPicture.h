// The container's standard picture object: a bitmap with its size in HiMetric units
// (hundredths of a millimetre), as hosts and controls see pictures.
#pragma once
#include <memory>
#include <string>

#include "container/AutomationObject.h"
#include "win32/surface.h"
#include "win32/types.h"

class StdPicture final : public AutomationObject {
 public:
  static constexpr std::int16_t vbPicTypeNone = 0;
  static constexpr std::int16_t vbPicTypeBitmap = 1;

  StdPicture() = default;  // an empty picture (Type none, Handle 0)
  ~StdPicture() override;
  StdPicture(const StdPicture&) = delete;
  StdPicture& operator=(const StdPicture&) = delete;

  // A new bitmap holding a copy of `surface`'s pixels.
  static std::shared_ptr<StdPicture> FromSurface(const win32::Surface& surface);
  // Wraps an existing bitmap; `own` makes the picture delete it.
  static std::shared_ptr<StdPicture> FromBitmap(HBITMAP bitmap, bool own);

  std::string TypeName() const override { return "Picture"; }
  HBITMAP Handle() const { return m_Bitmap; }
  std::int16_t Type() const { return m_Bitmap ? vbPicTypeBitmap : vbPicTypeNone; }
  // Size in HiMetric, converted from pixels with the screen's resolution.
  LONG Width() const;
  LONG Height() const;
  int WidthPixels() const { return m_Size.cx; }
  int HeightPixels() const { return m_Size.cy; }

 private:
  HBITMAP m_Bitmap = nullptr;
  bool m_Own = false;
  SIZE m_Size{0, 0};
};

// The runtime's LoadPicture for PNG files: error 53 when the file is missing, 481 when it is
// not a picture.
std::shared_ptr<StdPicture> LoadPicture(const std::string& path);

// Pixels to HiMetric and back at the screen's resolution (2540 HiMetric per inch).
LONG PixelsToHiMetric(int pixels, int dpi);
int HiMetricToPixels(LONG himetric, int dpi);
