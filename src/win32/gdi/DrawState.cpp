// DrawState: text, bitmaps and owner-drawn images in the normal, disabled (embossed),
// monochrome and union (dithered) states. Left out: DST_ICON (the layer has no icons).
#include <string>

#include "win32/gdi/DeviceContext.h"
#include "win32/gdi/GdiObjects.h"

namespace {

using namespace win32::gdi;

constexpr UINT kTypeMask = 0x000F;
constexpr UINT kStateMask = DSS_DISABLED | DSS_MONO | DSS_UNION;
constexpr UINT kTrueColourBits = 32;

struct Image {
  UINT type;
  LPARAM data;
  WPARAM length;
  DRAWSTATEPROC proc;
  std::u16string text;
};

UINT TextFormat(const Image& image, UINT flags) {
  UINT format = DT_SINGLELINE | DT_NOCLIP;
  if (image.type == DST_TEXT) format |= DT_NOPREFIX;
  if (flags & DSS_HIDEPREFIX) format |= DT_HIDEPREFIX;
  if (flags & DSS_PREFIXONLY) format |= DT_PREFIXONLY;
  if (flags & DSS_RIGHT) format |= DT_RIGHT;
  return format;
}

SIZE NaturalSize(HDC hdc, const Image& image, UINT flags) {
  SIZE size{0, 0};
  if (image.type == DST_TEXT || image.type == DST_PREFIXTEXT) {
    RECT r{0, 0, 0, 0};
    DrawTextW(hdc, image.text.c_str(), static_cast<int>(image.text.size()), &r, TextFormat(image, flags) | DT_CALCRECT);
    size = SIZE{r.right, r.bottom};
  } else if (image.type == DST_BITMAP) {
    BITMAP bm{};
    if (GetObjectA(reinterpret_cast<HGDIOBJ>(image.data), sizeof(bm), &bm)) size = SIZE{bm.bmWidth, bm.bmHeight};
  }
  return size;
}

// Draws the image itself with its top-left at (x, y).
void Render(HDC hdc, const Image& image, int x, int y, int cx, int cy, UINT flags) {
  if (image.type == DST_TEXT || image.type == DST_PREFIXTEXT) {
    RECT r{x, y, x + cx, y + cy};
    DrawTextW(hdc, image.text.c_str(), static_cast<int>(image.text.size()), &r, TextFormat(image, flags));
  } else if (image.type == DST_BITMAP) {
    HDC source = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(source, reinterpret_cast<HGDIOBJ>(image.data));
    BitBlt(hdc, x, y, cx, cy, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  } else if (image.type == DST_COMPLEX && image.proc) {
    POINT previous{};
    OffsetViewportOrgEx(hdc, x, y, &previous);
    image.proc(hdc, image.data, image.length, cx, cy);
    SetViewportOrgEx(hdc, previous.x, previous.y, nullptr);
  }
}

// Draws the image black on white off-screen and returns its shape as a monochrome mask
// (black where the image has ink), selected into a DC the caller deletes with its bitmap.
HDC MakeMask(HDC hdc, const Image& image, int cx, int cy, UINT flags) {
  HDC colour = CreateCompatibleDC(hdc);
  HBITMAP colourBitmap = CreateBitmap(cx, cy, 1, kTrueColourBits, nullptr);
  HGDIOBJ oldColour = SelectObject(colour, colourBitmap);
  SelectObject(colour, GetCurrentObject(hdc, OBJ_FONT));
  PatBlt(colour, 0, 0, cx, cy, WHITENESS);
  SetTextColor(colour, RGB(0, 0, 0));
  SetBkMode(colour, TRANSPARENT);
  Render(colour, image, 0, 0, cx, cy, flags);

  HDC mask = CreateCompatibleDC(hdc);
  SelectObject(mask, CreateBitmap(cx, cy, 1, 1, nullptr));
  SetBkColor(colour, RGB(255, 255, 255));
  BitBlt(mask, 0, 0, cx, cy, colour, 0, 0, SRCCOPY);

  SelectObject(colour, GetStockObject(SYSTEM_FONT));
  SelectObject(colour, oldColour);
  DeleteObject(colourBitmap);
  DeleteDC(colour);
  return mask;
}

void DeleteMask(HDC mask) {
  HGDIOBJ bitmap = SelectObject(mask, DefaultBitmap());
  DeleteDC(mask);
  DeleteObject(bitmap);
}

// Paints `color` wherever the mask has ink; `dither` keeps every other pixel only.
void PaintMask(HDC hdc, HDC mask, int x, int y, COLORREF color, bool dither) {
  DeviceContext* dc = FindDC(hdc);
  const win32::Surface* shape = TargetOf(*FindDC(mask));
  for (int my = 0; my < shape->height; ++my) {
    for (int mx = 0; mx < shape->width; ++mx) {
      if (shape->At(mx, my) != 0 || (dither && (mx + my) % 2 != 0)) continue;
      PlotPixel(*dc, x + mx, y + my, color);
    }
  }
}

BOOL DrawStateImpl(HDC hdc, HBRUSH brush, const Image& image, int x, int y, int cx, int cy, UINT flags) {
  if (!FindDC(hdc)) return FALSE;
  if (cx == 0 || cy == 0) {
    const SIZE natural = NaturalSize(hdc, image, flags);
    if (cx == 0) cx = natural.cx;
    if (cy == 0) cy = natural.cy;
  }
  if (cx <= 0 || cy <= 0) return FALSE;
  const UINT state = flags & kStateMask;
  if (state == DSS_NORMAL) {
    Render(hdc, image, x, y, cx, cy, flags);
    return TRUE;
  }
  HDC mask = MakeMask(hdc, image, cx, cy, flags);
  if (state & DSS_DISABLED) {
    // Embossed: the highlight one pixel down and right, the shadow on top.
    PaintMask(hdc, mask, x + 1, y + 1, GetSysColor(COLOR_3DHILIGHT), false);
    PaintMask(hdc, mask, x, y, GetSysColor(COLOR_3DSHADOW), false);
  } else if (state & DSS_MONO) {
    const BrushObject* b = Find<BrushObject>(brush);
    const DeviceContext* dc = FindDC(hdc);
    PaintMask(hdc, mask, x, y, b && dc ? SolidColour(*dc, *b) : GetTextColor(hdc), false);
  } else {
    Render(hdc, image, x, y, cx, cy, flags);
    PaintMask(hdc, mask, x, y, GetSysColor(COLOR_HIGHLIGHT), true);
  }
  DeleteMask(mask);
  return TRUE;
}

Image MakeImage(UINT flags, LPARAM data, WPARAM length, DRAWSTATEPROC proc) {
  return Image{flags & kTypeMask, data, length, proc, {}};
}

}  // namespace

BOOL DrawStateW(HDC hdc, HBRUSH brush, DRAWSTATEPROC proc, LPARAM lData, WPARAM wData, int x, int y, int cx, int cy,
                UINT flags) {
  Image image = MakeImage(flags, lData, wData, proc);
  if (image.type == DST_TEXT || image.type == DST_PREFIXTEXT) {
    const auto* text = reinterpret_cast<LPCWSTR>(lData);
    image.text = wData ? std::u16string(text, wData) : std::u16string(text);
  }
  return DrawStateImpl(hdc, brush, image, x, y, cx, cy, flags);
}

BOOL DrawStateA(HDC hdc, HBRUSH brush, DRAWSTATEPROC proc, LPARAM lData, WPARAM wData, int x, int y, int cx, int cy,
                UINT flags) {
  Image image = MakeImage(flags, lData, wData, proc);
  if (image.type == DST_TEXT || image.type == DST_PREFIXTEXT) {
    image.text = win32::AnsiToWide(reinterpret_cast<LPCSTR>(lData), wData ? static_cast<int>(wData) : -1);
  }
  return DrawStateImpl(hdc, brush, image, x, y, cx, cy, flags);
}
