#include "win32/gdi/GdiObjects.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "win32/gdi/DeviceContext.h"
#include "win32/HandleTable.h"
#include "win32/objcount.h"

namespace win32::gdi {
namespace {

// Handle values start above zero and never repeat, so a stale handle is simply unknown.
constexpr std::uintptr_t kFirstHandle = 0x100;
constexpr int kStockCount = DC_BRUSH + 1;
constexpr BYTE kLightGray = 192;
constexpr BYTE kGray = 128;
constexpr BYTE kDarkGray = 64;
constexpr LONG kDefaultGuiFontHeight = -11;  // 8 points at 96 dpi
constexpr LONG kSystemFontHeight = 16;
constexpr UINT kMono = 1;
constexpr UINT kTrueColour = 32;
constexpr UINT kBitsPerByte = 8;
constexpr UINT kRowAlignBytes = 2;  // bitmap rows are WORD aligned
// GDI fails a bitmap it cannot allocate. Here every bitmap holds 32-bit pixels, so a bitmap
// above this many pixels (128 MB) is refused the same way instead of exhausting memory.
constexpr std::uint64_t kLargestBitmapPixels = std::uint64_t{1} << 25;
constexpr int kDibRedShift = 16;
constexpr int kDibGreenShift = 8;

UINT RowBytes(UINT width, UINT bitsPerPixel) {
  const UINT alignBits = kBitsPerByte * kRowAlignBytes;
  return (width * bitsPerPixel + alignBits - 1) / alignBits * kRowAlignBytes;
}

// Bitmap bits as an application sees them: WORD-aligned rows, monochrome rows one bit per
// pixel from the high bit (set = white), 32-bit rows 0x00RRGGBB per DWORD as in a DIB.
void WriteBits(win32::Surface& s, const BYTE* bytes, int rows) {
  const UINT stride = RowBytes(static_cast<UINT>(s.width), static_cast<UINT>(s.bitsPerPixel));
  const bool mono = s.bitsPerPixel == static_cast<int>(kMono);
  for (int y = 0; y < rows; ++y) {
    const BYTE* row = bytes + static_cast<size_t>(y) * stride;
    COLORREF* out = s.pixels.data() + s.Offset(0, y);
    for (int x = 0; x < s.width; ++x) {
      if (mono) {
        const bool set = (row[static_cast<UINT>(x) / kBitsPerByte] >> (kBitsPerByte - 1 - static_cast<UINT>(x) % kBitsPerByte)) & 1;
        out[x] = set ? RGB(255, 255, 255) : RGB(0, 0, 0);
        continue;
      }
      DWORD v = 0;
      std::memcpy(&v, row + static_cast<size_t>(x) * sizeof(DWORD), sizeof(DWORD));
      out[x] = RGB(static_cast<BYTE>(v >> kDibRedShift), static_cast<BYTE>(v >> kDibGreenShift), static_cast<BYTE>(v));
    }
  }
}

void ReadBits(const win32::Surface& s, BYTE* bytes, int rows) {
  const UINT stride = RowBytes(static_cast<UINT>(s.width), static_cast<UINT>(s.bitsPerPixel));
  const bool mono = s.bitsPerPixel == static_cast<int>(kMono);
  if (mono) std::memset(bytes, 0, static_cast<size_t>(rows) * stride);
  for (int y = 0; y < rows; ++y) {
    BYTE* row = bytes + static_cast<size_t>(y) * stride;
    const COLORREF* in = s.pixels.data() + s.Offset(0, y);
    for (int x = 0; x < s.width; ++x) {
      const COLORREF c = in[x];
      if (mono) {
        if (c != 0) row[static_cast<UINT>(x) / kBitsPerByte] |= static_cast<BYTE>(0x80u >> (static_cast<UINT>(x) % kBitsPerByte));
        continue;
      }
      const DWORD v = static_cast<DWORD>(GetRValue(c)) << kDibRedShift | static_cast<DWORD>(GetGValue(c)) << kDibGreenShift |
                      GetBValue(c);
      std::memcpy(row + static_cast<size_t>(x) * sizeof(DWORD), &v, sizeof(DWORD));
    }
  }
}

std::uintptr_t g_nextHandle = kFirstHandle;
HandleTable<ObjectEntry>& Table() {
  static HandleTable<ObjectEntry> table;
  return table;
}

ObjectKind KindOf(const GdiObject& object) {
  if (std::holds_alternative<BitmapObject>(object)) return ObjectKind::Bitmap;
  if (std::holds_alternative<BrushObject>(object)) return ObjectKind::Brush;
  if (std::holds_alternative<PenObject>(object)) return ObjectKind::Pen;
  if (std::holds_alternative<FontObject>(object)) return ObjectKind::Font;
  return ObjectKind::Count;  // palettes are not counted
}

void CountObject(const GdiObject& object, bool created) {
  const ObjectKind kind = KindOf(object);
  if (kind == ObjectKind::Count) return;
  if (created) {
    CountCreated(kind);
  } else {
    CountDestroyed(kind);
  }
}

HFONT MakeStockFont(const char16_t* face, LONG height, LONG weight) {
  FontObject font;
  font.logFont.lfHeight = height;
  font.logFont.lfWeight = weight;
  std::char_traits<char16_t>::copy(font.logFont.lfFaceName, face, std::char_traits<char16_t>::length(face));
  return AddObject(font, true);
}

HBRUSH MakeStockBrush(COLORREF color, bool hollow = false) {
  BrushObject brush;
  brush.color = color;
  brush.hollow = hollow;
  return AddObject(brush, true);
}

HPEN MakeStockPen(int style, COLORREF color) { return AddObject(PenObject{style, 1, color}, true); }

const std::array<HGDIOBJ, kStockCount>& StockObjects() {
  static const std::array<HGDIOBJ, kStockCount> stock = [] {
    std::array<HGDIOBJ, kStockCount> s{};
    s[WHITE_BRUSH] = MakeStockBrush(RGB(255, 255, 255));
    s[LTGRAY_BRUSH] = MakeStockBrush(RGB(kLightGray, kLightGray, kLightGray));
    s[GRAY_BRUSH] = MakeStockBrush(RGB(kGray, kGray, kGray));
    s[DKGRAY_BRUSH] = MakeStockBrush(RGB(kDarkGray, kDarkGray, kDarkGray));
    s[BLACK_BRUSH] = MakeStockBrush(RGB(0, 0, 0));
    s[NULL_BRUSH] = MakeStockBrush(0, true);
    s[WHITE_PEN] = MakeStockPen(PS_SOLID, RGB(255, 255, 255));
    s[BLACK_PEN] = MakeStockPen(PS_SOLID, RGB(0, 0, 0));
    s[NULL_PEN] = MakeStockPen(PS_NULL, 0);
    s[SYSTEM_FONT] = MakeStockFont(u"MS Sans Serif", kSystemFontHeight, FW_BOLD);
    s[DEFAULT_PALETTE] = AddObject(PaletteObject{}, true);
    s[DEFAULT_GUI_FONT] = MakeStockFont(u"MS Sans Serif", kDefaultGuiFontHeight, FW_NORMAL);
    BrushObject dcBrush;
    dcBrush.dcColour = true;
    s[DC_BRUSH] = AddObject(dcBrush, true);
    return s;
  }();
  return stock;
}

}  // namespace

std::uintptr_t NextHandleValue() { return g_nextHandle++; }

HGDIOBJ AddObject(GdiObject object, bool stock) {
  const std::uintptr_t value = NextHandleValue();
  if (!stock) CountObject(object, true);
  Table().Add(value, ObjectEntry{std::move(object), stock, 0});
  return reinterpret_cast<HGDIOBJ>(value);
}

ObjectEntry* FindObject(HGDIOBJ handle) {
  return Table().Find(reinterpret_cast<std::uintptr_t>(handle));
}

HBITMAP DefaultBitmap() {
  static const HBITMAP bitmap = [] {
    BitmapObject b;
    b.surface->bitsPerPixel = 1;
    b.surface->Resize(1, 1, RGB(0, 0, 0));
    return AddObject(std::move(b), true);
  }();
  return bitmap;
}

}  // namespace win32::gdi

using namespace win32::gdi;

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= kStockCount) return nullptr;
  return StockObjects()[static_cast<size_t>(index)];
}

BOOL DeleteObject(HGDIOBJ object) {
  ObjectEntry* entry = FindObject(object);
  if (!entry) return FALSE;
  if (entry->stock) return TRUE;
  if (entry->selectCount > 0) return FALSE;
  CountObject(entry->object, false);
  Table().Erase(reinterpret_cast<std::uintptr_t>(object));
  return TRUE;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (width < 0 || height < 0 || planes != 1 || (bitsPerPixel != kMono && bitsPerPixel != kTrueColour)) {
    return nullptr;
  }
  if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kLargestBitmapPixels) return nullptr;
  BitmapObject bitmap;
  bitmap.surface->bitsPerPixel = static_cast<int>(bitsPerPixel);
  bitmap.surface->Resize(width, height, 0);
  if (bits) WriteBits(*bitmap.surface, static_cast<const BYTE*>(bits), height);
  return AddObject(std::move(bitmap));
}

LONG GetBitmapBits(HBITMAP hbitmap, LONG size, LPVOID bits) {
  const BitmapObject* bitmap = Find<BitmapObject>(hbitmap);
  if (!bitmap || !bits || size <= 0) return 0;
  const win32::Surface& s = *bitmap->surface;
  const UINT stride = RowBytes(static_cast<UINT>(s.width), static_cast<UINT>(s.bitsPerPixel));
  const int rows = stride == 0 ? 0 : std::min<int>(s.height, static_cast<int>(static_cast<UINT>(size) / stride));
  ReadBits(s, static_cast<BYTE*>(bits), rows);
  return static_cast<LONG>(static_cast<UINT>(rows) * stride);
}

LONG SetBitmapBits(HBITMAP hbitmap, DWORD size, const void* bits) {
  BitmapObject* bitmap = Find<BitmapObject>(hbitmap);
  if (!bitmap || !bits) return 0;
  win32::Surface& s = *bitmap->surface;
  const UINT stride = RowBytes(static_cast<UINT>(s.width), static_cast<UINT>(s.bitsPerPixel));
  const int rows = stride == 0 ? 0 : std::min<int>(s.height, static_cast<int>(size / stride));
  WriteBits(s, static_cast<const BYTE*>(bits), rows);
  return static_cast<LONG>(static_cast<UINT>(rows) * stride);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || width < 0 || height < 0) return nullptr;
  return CreateBitmap(width, height, 1, IsMonochrome(*dc) ? kMono : kTrueColour, nullptr);
}

int GetObjectA(HGDIOBJ object, int size, LPVOID out) {
  const BitmapObject* bitmap = Find<BitmapObject>(object);
  if (!bitmap || size < static_cast<int>(sizeof(BITMAP))) return 0;
  const win32::Surface& s = *bitmap->surface;
  BITMAP bm{};
  bm.bmWidth = s.width;
  bm.bmHeight = s.height;
  bm.bmPlanes = 1;
  bm.bmBitsPixel = static_cast<WORD>(s.bitsPerPixel);
  bm.bmWidthBytes = static_cast<LONG>(RowBytes(static_cast<UINT>(s.width), static_cast<UINT>(s.bitsPerPixel)));
  std::memcpy(out, &bm, sizeof(bm));
  return static_cast<int>(sizeof(BITMAP));
}

HBRUSH CreateSolidBrush(COLORREF color) {
  BrushObject brush;
  brush.color = color;
  return AddObject(brush);
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  const BitmapObject* source = Find<BitmapObject>(bitmap);
  if (!source) return nullptr;
  BrushObject brush;
  brush.pattern = std::make_shared<const win32::Surface>(*source->surface);
  return AddObject(brush);
}

HPEN CreatePen(int style, int width, COLORREF color) { return AddObject(PenObject{style, width < 1 ? 1 : width, color}); }

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
  if (!logFont) return nullptr;
  return AddObject(FontObject{*logFont});
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
  if (!logFont) return nullptr;
  LOGFONTW wide{};
  std::memcpy(&wide, logFont, offsetof(LOGFONTA, lfFaceName));
  const std::u16string face = win32::AnsiToWide(logFont->lfFaceName, static_cast<int>(strnlen(logFont->lfFaceName, LF_FACESIZE)));
  std::char_traits<char16_t>::copy(wide.lfFaceName, face.data(), std::min<size_t>(face.size(), LF_FACESIZE - 1));
  return CreateFontIndirectW(&wide);
}
