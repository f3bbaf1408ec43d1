// The OLE services a control calls: colour translation and picture creation.
#pragma once
#include <memory>

#include "win32/types.h"

using OLE_COLOR = DWORD;
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);

// The flag that marks an OLE_COLOR as a system colour index.
inline constexpr OLE_COLOR kOleSystemColorFlag = 0x80000000;
inline constexpr OLE_COLOR kOleSystemColorIndexMask = 0x000000FF;
inline constexpr OLE_COLOR kOleRgbMask = 0x00FFFFFF;
inline constexpr OLE_COLOR kOlePaletteIndexFlag = 0x01000000;

// 0x80000000 + n becomes GetSysColor(n); plain colours pass unchanged; other high bytes and
// system indexes beyond the table are invalid.
HRESULT OleTranslateColor(OLE_COLOR color, HPALETTE palette, COLORREF* result);
// The translation without the status: an invalid colour becomes black.
COLORREF TranslateOleColorOrBlack(OLE_COLOR color);

class StdPicture;

inline constexpr UINT PICTYPE_UNINITIALIZED = static_cast<UINT>(-1);
inline constexpr UINT PICTYPE_NONE = 0;
inline constexpr UINT PICTYPE_BITMAP = 1;

struct PICTDESC {
  UINT cbSizeofstruct;
  UINT picType;
  HBITMAP hbitmap;
  HPALETTE hpal;
};

// Wraps a bitmap in a picture object; with `own` the picture deletes the bitmap when released.
HRESULT OleCreatePictureIndirect(const PICTDESC* desc, bool own, std::shared_ptr<StdPicture>* picture);
