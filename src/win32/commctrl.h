// Image lists of the common controls: fixed-size images with masks or per-pixel alpha.
// Left out: drag images, overlays, icons, ILD_BLEND variants beyond SELECTED/FOCUS.
#pragma once
#include <vector>

#include "win32/gdi.h"
#include "win32/surface.h"

inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR = 0x0000;
inline constexpr UINT ILC_COLOR4 = 0x0004;
inline constexpr UINT ILC_COLOR8 = 0x0008;
inline constexpr UINT ILC_COLOR16 = 0x0010;
inline constexpr UINT ILC_COLOR24 = 0x0018;
inline constexpr UINT ILC_COLOR32 = 0x0020;

inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;
inline constexpr UINT ILD_MASK = 0x0010;
inline constexpr UINT ILD_IMAGE = 0x0020;
inline constexpr UINT ILD_BLEND25 = 0x0002;
inline constexpr UINT ILD_BLEND50 = 0x0004;
inline constexpr UINT ILD_FOCUS = ILD_BLEND25;
inline constexpr UINT ILD_SELECTED = ILD_BLEND50;

inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;

struct IMAGEINFO {
  HBITMAP hbmImage;
  HBITMAP hbmMask;
  int Unused1;
  int Unused2;
  RECT rcImage;
};

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST himl);
// Adds the images of a bitmap strip (width / cx images); the optional mask is monochrome,
// white where transparent. Returns the index of the first new image, or -1.
int ImageList_Add(HIMAGELIST himl, HBITMAP image, HBITMAP mask);
// As ImageList_Add, with the mask made from the pixels equal to `maskColor`.
int ImageList_AddMasked(HIMAGELIST himl, HBITMAP image, COLORREF maskColor);
BOOL ImageList_Remove(HIMAGELIST himl, int index);  // -1 removes all
int ImageList_GetImageCount(HIMAGELIST himl);
BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);
// The image's rectangle within the list's image strip (images lie side by side).
BOOL ImageList_GetImageRect(HIMAGELIST himl, int index, RECT* rect);
COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST himl);
BOOL ImageList_Draw(HIMAGELIST himl, int index, HDC hdc, int x, int y, UINT style);
BOOL ImageList_DrawEx(HIMAGELIST himl, int index, HDC hdc, int x, int y, int dx, int dy, COLORREF bk,
                      COLORREF fg, UINT style);

namespace win32 {
// Adds the images of a strip of pixels; `alpha` (one byte per pixel, 0..255, or empty) keeps
// per-pixel transparency, as a 32-bit image with an alpha channel does.
int ImageList_AddSurface(HIMAGELIST himl, const Surface& strip, const std::vector<BYTE>& alpha);
}  // namespace win32
