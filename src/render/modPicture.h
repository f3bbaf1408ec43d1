// Pictures on device contexts: loading the built-in artwork into off-screen surfaces, the
// picture's size in pixels, and opaque or transparent copies of a picture.
#pragma once
#include <cstdint>
#include <string_view>

#include "win32/windows.h"

class StdPicture;
class cMemDC;

// Decodes the named resource bitmap ("MENUBAR2003_BITMAPS", "VS_UP(1)") into `surface`, sized
// to the picture. False, with the surface untouched, when there is no such resource.
bool LoadBitmapSurface(std::string_view name, cMemDC& surface);

// The picture's HiMetric size in screen pixels, rounded half to even to a 16-bit integer.
std::int16_t PictureWidthPx(const StdPicture& picture);
std::int16_t PictureHeightPx(const StdPicture& picture);

// Copies the picture to (x, y, w, h) of destDC: from (srcX, srcY, srcW, srcH) stretched when
// `stretch` is set, else unstretched from its top-left corner. `palette` (may be 0) is realized
// in the background for the copy.
void BlitPicture(HDC destDC, const StdPicture& picture, int x, int y, int w, int h, HPALETTE palette = nullptr,
                 bool stretch = false, int srcX = 0, int srcY = 0, int srcW = 0, int srcH = 0);

// Copies w x h of the picture from its top-left corner to (x, y), leaving the destination
// unchanged wherever the picture has the colour of its top-left pixel.
void BlitPictureTransparent(HDC destDC, const StdPicture& picture, int x, int y, int w, int h,
                            HPALETTE palette = nullptr);
