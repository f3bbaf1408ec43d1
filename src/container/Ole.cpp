#include "container/Ole.h"

#include "container/StdPicture.h"
#include "win32/gdi.h"

HRESULT OleTranslateColor(OLE_COLOR color, HPALETTE, COLORREF* result) {
  COLORREF translated = 0;
  if ((color & kOleSystemColorFlag) != 0) {
    const OLE_COLOR index = color & ~kOleSystemColorFlag;
    if (index > kOleSystemColorIndexMask || index >= static_cast<OLE_COLOR>(kSysColorCount)) return E_INVALIDARG;
    translated = GetSysColor(static_cast<int>(index));
  } else if ((color & ~kOleRgbMask) == 0 || (color & ~kOleRgbMask) == kOlePaletteIndexFlag) {
    translated = color & kOleRgbMask;
  } else {
    return E_INVALIDARG;
  }
  if (result) *result = translated;
  return S_OK;
}

COLORREF TranslateOleColorOrBlack(OLE_COLOR color) {
  COLORREF result = 0;
  return OleTranslateColor(color, nullptr, &result) == S_OK ? result : 0;
}

HRESULT OleCreatePictureIndirect(const PICTDESC* desc, bool own, std::shared_ptr<StdPicture>* picture) {
  if (!desc || !picture) return E_POINTER;
  if (desc->picType != PICTYPE_BITMAP && desc->picType != PICTYPE_NONE) return E_INVALIDARG;
  *picture = desc->picType == PICTYPE_NONE ? std::make_shared<StdPicture>()
                                           : StdPicture::FromBitmap(desc->hbitmap, own);
  return S_OK;
}
