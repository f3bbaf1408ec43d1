#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "win32/commctrl.h"
#include "win32/gdi/DeviceContext.h"
#include "win32/gdi/GdiObjects.h"
#include "win32/objcount.h"

namespace {

using namespace win32::gdi;
using win32::Surface;

constexpr BYTE kOpaque = 255;
constexpr BYTE kClear = 0;
constexpr int kAlphaMax = 255;
constexpr int kSelectedShare = 128;  // ILD_SELECTED: half the foreground colour
constexpr int kFocusShare = 64;      // ILD_FOCUS: a quarter

// One image: colours (without the top byte) plus opacity per pixel (a mask gives 0 or 255),
// and which rows are wholly opaque: those are drawn as plain copies.
struct Image {
  Surface pixels;
  std::vector<BYTE> alpha;
  std::vector<bool> opaqueRows;
};

struct ImageListData {
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
  COLORREF bk = CLR_NONE;
  std::vector<Image> images;
};

std::uintptr_t g_nextList = 1;
std::unordered_map<std::uintptr_t, ImageListData>& Lists() {
  static std::unordered_map<std::uintptr_t, ImageListData> lists;
  return lists;
}

ImageListData* FindList(HIMAGELIST himl) {
  auto it = Lists().find(reinterpret_cast<std::uintptr_t>(himl));
  return it == Lists().end() ? nullptr : &it->second;
}

const Surface* BitmapPixels(HBITMAP bitmap) {
  const BitmapObject* b = Find<BitmapObject>(bitmap);
  return b ? b->surface.get() : nullptr;
}

// Cuts a strip into images; when `transparent`, `opacity(x, y)` gives each pixel's alpha.
template <class Opacity>
int AddStrip(ImageListData& list, const Surface& strip, bool transparent, Opacity opacity) {
  if (list.cx <= 0 || strip.width < list.cx) return -1;
  const int first = static_cast<int>(list.images.size());
  for (int n = 0; n < strip.width / list.cx; ++n) {
    Image image;
    image.pixels.Resize(list.cx, list.cy);
    image.alpha.assign(static_cast<size_t>(list.cx * list.cy), kOpaque);
    for (int y = 0; y < std::min(list.cy, strip.height); ++y) {
      for (int x = 0; x < list.cx; ++x) {
        const int sx = n * list.cx + x;
        const size_t i = static_cast<size_t>(y * list.cx + x);
        image.pixels.pixels[i] = strip.At(sx, y) & 0x00FFFFFF;
        if (transparent) image.alpha[i] = opacity(sx, y);
      }
    }
    image.opaqueRows.resize(static_cast<size_t>(list.cy));
    for (int y = 0; y < list.cy; ++y) {
      const auto row = image.alpha.begin() + static_cast<std::ptrdiff_t>(y) * list.cx;
      image.opaqueRows[static_cast<size_t>(y)] = std::all_of(row, row + list.cx, [](BYTE a) { return a == kOpaque; });
    }
    list.images.push_back(std::move(image));
  }
  return first;
}

COLORREF Mix(COLORREF under, COLORREF over, int share) {
  auto mix = [share](int a, int b) { return static_cast<BYTE>(a + (b - a) * share / kAlphaMax); };
  return RGB(mix(GetRValue(under), GetRValue(over)), mix(GetGValue(under), GetGValue(over)),
             mix(GetBValue(under), GetBValue(over)));
}

// The common case, a colour target without blending: opaque pixels are copied, clear ones
// take the background (or keep the target), the rest are mixed.
void DrawRow(COLORREF* d, const COLORREF* source, const BYTE* alpha, int count, COLORREF background) {
  const COLORREF clear = background & 0x00FFFFFF;
  for (int i = 0; i < count; ++i) {
    const int a = alpha[i];
    if (a == kAlphaMax) {
      d[i] = source[i];
    } else if (a == 0) {
      if (background != CLR_NONE) d[i] = clear;
    } else {
      d[i] = Mix(d[i], source[i], a);
    }
  }
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int) {
  if (cx <= 0 || cy <= 0 || initial < 0) return nullptr;
  const std::uintptr_t value = g_nextList++;
  ImageListData list;
  list.cx = cx;
  list.cy = cy;
  list.flags = flags;
  list.images.reserve(static_cast<size_t>(initial));
  Lists().emplace(value, std::move(list));
  win32::CountCreated(win32::ObjectKind::ImageList);
  return reinterpret_cast<HIMAGELIST>(value);
}

BOOL ImageList_Destroy(HIMAGELIST himl) {
  if (!Lists().erase(reinterpret_cast<std::uintptr_t>(himl))) return FALSE;
  win32::CountDestroyed(win32::ObjectKind::ImageList);
  return TRUE;
}

int ImageList_Add(HIMAGELIST himl, HBITMAP image, HBITMAP mask) {
  ImageListData* list = FindList(himl);
  const Surface* strip = BitmapPixels(image);
  if (!list || !strip) return -1;
  const Surface* maskPixels = BitmapPixels(mask);
  return AddStrip(*list, *strip, list->flags & ILC_MASK, [&](int x, int y) {
    if (!maskPixels || !maskPixels->Contains(x, y)) return kOpaque;
    return maskPixels->At(x, y) ? kClear : kOpaque;
  });
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP image, COLORREF maskColor) {
  ImageListData* list = FindList(himl);
  const Surface* strip = BitmapPixels(image);
  if (!list || !strip) return -1;
  return AddStrip(*list, *strip, list->flags & ILC_MASK, [&](int x, int y) { return strip->At(x, y) == maskColor ? kClear : kOpaque; });
}

BOOL ImageList_Remove(HIMAGELIST himl, int index) {
  ImageListData* list = FindList(himl);
  if (!list) return FALSE;
  if (index == -1) {
    list->images.clear();
    return TRUE;
  }
  if (index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  list->images.erase(list->images.begin() + index);
  return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST himl) {
  const ImageListData* list = FindList(himl);
  return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
  const ImageListData* list = FindList(himl);
  if (!list || !cx || !cy) return FALSE;
  *cx = list->cx;
  *cy = list->cy;
  return TRUE;
}

BOOL ImageList_GetImageRect(HIMAGELIST himl, int index, RECT* rect) {
  const ImageListData* list = FindList(himl);
  if (!list || !rect || index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  *rect = RECT{index * list->cx, 0, (index + 1) * list->cx, list->cy};
  return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF color) {
  ImageListData* list = FindList(himl);
  if (!list) return CLR_NONE;
  return std::exchange(list->bk, color);
}

COLORREF ImageList_GetBkColor(HIMAGELIST himl) {
  const ImageListData* list = FindList(himl);
  return list ? list->bk : CLR_NONE;
}

BOOL ImageList_Draw(HIMAGELIST himl, int index, HDC hdc, int x, int y, UINT style) {
  return ImageList_DrawEx(himl, index, hdc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

BOOL ImageList_DrawEx(HIMAGELIST himl, int index, HDC hdc, int x, int y, int dx, int dy, COLORREF bk, COLORREF fg,
                      UINT style) {
  const ImageListData* list = FindList(himl);
  DeviceContext* dc = FindDC(hdc);
  if (!list || !dc || index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  const Image& image = list->images[static_cast<size_t>(index)];
  Surface* target = TargetOf(*dc);
  if (!target) return FALSE;
  const int w = dx > 0 ? std::min(dx, list->cx) : list->cx;
  const int h = dy > 0 ? std::min(dy, list->cy) : list->cy;
  const COLORREF background = (style & ILD_TRANSPARENT) ? CLR_NONE : (bk == CLR_DEFAULT ? list->bk : bk);
  const COLORREF blendColor = fg == CLR_DEFAULT ? GetSysColor(COLOR_HIGHLIGHT) : fg;
  const int share = fg == CLR_NONE ? 0 : (style & ILD_BLEND50) ? kSelectedShare : (style & ILD_BLEND25) ? kFocusShare : 0;
  const POINT shift = ToTarget(*dc, x, y);
  // The target's depth once, not per pixel (finding it means a handle lookup).
  const bool mono = target->bitsPerPixel == 1;
  const auto toTarget = [mono](COLORREF c) { return mono ? ToMono(c) : (c & 0x00FFFFFF); };
  const bool maskOnly = (style & ILD_MASK) != 0;
  const int imageWidth = list->cx;
  const BYTE* const alphaPixels = image.alpha.data();
  const COLORREF* const sourcePixels = image.pixels.pixels.data();
  COLORREF* const targetPixels = target->pixels.data();
  const std::size_t targetWidth = static_cast<std::size_t>(target->width);
  ForEachVisible(*dc, RECT{x, y, x + w, y + h}, [&](const RECT& part) {
    const int count = part.right - part.left;
    for (int ty = part.top; ty < part.bottom; ++ty) {
      // One row at a time through plain pointers held in locals (the compiler cannot keep
      // captured values in registers across the stores): icons are drawn on every hover and
      // repaint.
      const size_t first = static_cast<size_t>((ty - shift.y) * imageWidth + (part.left - shift.x));
      const BYTE* alpha = alphaPixels + first;
      const COLORREF* source = sourcePixels + first;
      COLORREF* d = targetPixels + static_cast<size_t>(ty) * targetWidth + static_cast<size_t>(part.left);
      if (maskOnly) {
        for (int i = 0; i < count; ++i) d[i] = toTarget(alpha[i] >= kAlphaMax / 2 ? RGB(0, 0, 0) : RGB(255, 255, 255));
      } else if (share == 0 && !mono && image.opaqueRows[static_cast<size_t>(ty - shift.y)]) {
        std::copy_n(source, count, d);
      } else if (share == 0 && !mono) {
        DrawRow(d, source, alpha, count, background);
      } else {
        for (int i = 0; i < count; ++i) {
          const int a = alpha[i];
          if (a == 0) {
            if (background != CLR_NONE) d[i] = toTarget(background);
          } else {
            const COLORREF c = share > 0 ? Mix(source[i], blendColor, share) : source[i];
            d[i] = toTarget(a == kAlphaMax ? c : Mix(d[i], c, a));
          }
        }
      }
    }
  });
  return TRUE;
}

namespace win32 {

int ImageList_AddSurface(HIMAGELIST himl, const Surface& strip, const std::vector<BYTE>& alpha) {
  ImageListData* list = FindList(himl);
  if (!list) return -1;
  const bool hasAlpha = alpha.size() == strip.pixels.size();
  return AddStrip(*list, strip, hasAlpha, [&](int x, int y) { return alpha[static_cast<size_t>(y * strip.width + x)]; });
}

}  // namespace win32
