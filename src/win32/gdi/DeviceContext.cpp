#include "win32/gdi/DeviceContext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "win32/gdi/GdiObjects.h"
#include "win32/HandleTable.h"
#include "win32/objcount.h"

namespace win32 {

Display& TheDisplay() {
  static Display display;
  return display;
}

}  // namespace win32

namespace win32::gdi {
namespace {

constexpr int kTrueColourBits = 32;
constexpr int kLumaRed = 299;
constexpr int kLumaGreen = 587;
constexpr int kLumaBlue = 114;
constexpr int kLumaMidpoint = 128 * 1000;

HandleTable<DeviceContext>& DcTable() {
  static HandleTable<DeviceContext> table;
  return table;
}

void Hold(HGDIOBJ object, int delta) {
  if (ObjectEntry* entry = FindObject(object)) entry->selectCount += delta;
}

HDC AddDC(DeviceContext dc) {
  dc.attr.brush = GetStockObject(WHITE_BRUSH);
  dc.attr.pen = GetStockObject(BLACK_PEN);
  dc.attr.font = GetStockObject(SYSTEM_FONT);
  dc.attr.palette = GetStockObject(DEFAULT_PALETTE);
  if (dc.kind == DcKind::Memory) dc.attr.bitmap = DefaultBitmap();
  const std::uintptr_t value = NextHandleValue();
  DcTable().Add(value, std::move(dc));
  CountCreated(ObjectKind::DC);
  return reinterpret_cast<HDC>(value);
}

RECT TargetBounds(const DeviceContext& dc, const Surface& target) {
  RECT r{0, 0, target.width, target.height};
  if (dc.kind == DcKind::Surface) IntersectRect(&r, &r, &dc.bounds);
  return r;
}

RECT LogicalToTarget(const DeviceContext& dc, const RECT& rect) {
  const POINT topLeft = ToTarget(dc, rect.left, rect.top);
  return RECT{topLeft.x, topLeft.y, topLeft.x + (rect.right - rect.left), topLeft.y + (rect.bottom - rect.top)};
}

}  // namespace

DeviceContext* FindDC(HDC hdc) {
  return DcTable().Find(reinterpret_cast<std::uintptr_t>(hdc));
}

Surface* TargetOf(const DeviceContext& dc) {
  switch (dc.kind) {
    case DcKind::Display: return &TheDisplay().Current();
    case DcKind::Surface: return dc.surface == &TheDisplay().screen ? &TheDisplay().Current() : dc.surface;
    case DcKind::Memory: {
      BitmapObject* bitmap = Find<BitmapObject>(dc.attr.bitmap);
      return bitmap ? bitmap->surface.get() : nullptr;
    }
  }
  return nullptr;
}

bool IsMonochrome(const DeviceContext& dc) {
  const Surface* target = TargetOf(dc);
  return target && target->bitsPerPixel == 1;
}

POINT ToTarget(const DeviceContext& dc, int x, int y) {
  return POINT{x + dc.attr.viewportOrigin.x + dc.origin.x, y + dc.attr.viewportOrigin.y + dc.origin.y};
}

void ForEachVisible(const DeviceContext& dc, const RECT& rect, PartFn fn, bool bOnScreenToo) {
  const Surface* target = TargetOf(dc);
  if (!target) return;
  RECT area = LogicalToTarget(dc, rect);
  const RECT bounds = TargetBounds(dc, *target);
  if (!IntersectRect(&area, &area, &bounds)) return;
  if (!dc.attr.hasClip) {
    if (!bOnScreenToo) UnionRect(&dc.touched, &dc.touched, &area);
    CountPixelsWritten(area);
    fn(area);
    return;
  }
  for (RECT part : dc.attr.clip) {
    OffsetRect(&part, dc.origin.x, dc.origin.y);
    if (!IntersectRect(&part, &part, &area)) continue;
    if (!bOnScreenToo) UnionRect(&dc.touched, &dc.touched, &part);
    CountPixelsWritten(part);
    fn(part);
  }
}

bool IsVisible(const DeviceContext& dc, POINT p) {
  const Surface* target = TargetOf(dc);
  if (!target) return false;
  const RECT bounds = TargetBounds(dc, *target);
  if (!PtInRect(&bounds, p)) return false;
  if (!dc.attr.hasClip) return true;
  const POINT device{p.x - dc.origin.x, p.y - dc.origin.y};
  return std::any_of(dc.attr.clip.begin(), dc.attr.clip.end(), [&](const RECT& r) { return PtInRect(&r, device); });
}

COLORREF ToMono(COLORREF color) {
  const int luma = GetRValue(color) * kLumaRed + GetGValue(color) * kLumaGreen + GetBValue(color) * kLumaBlue;
  return luma >= kLumaMidpoint ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

COLORREF SolidColour(const DeviceContext& dc, const BrushObject& brush) {
  return brush.dcColour ? dc.attr.dcBrushColor : brush.color;
}

COLORREF ToTargetColor(const DeviceContext& dc, COLORREF color) {
  return IsMonochrome(dc) ? ToMono(color) : (color & 0x00FFFFFF);
}

namespace {

constexpr std::int64_t kLeastMirroredPixels = 256 * 256;

bool AnyStaleUnder(const win32::Display& display, const RECT& area) {
  RECT overlap{};
  return std::any_of(display.stale.begin(), display.stale.end(),
                     [&](const RECT& stale) { return IntersectRect(&overlap, &stale, &area) != FALSE; });
}

}  // namespace

ScreenMirror ScreenMirror::For(const DeviceContext& dc, const Surface& target, const RECT& logical) {
  win32::Display& display = TheDisplay();
  ScreenMirror mirror;
  // Small drawing is mostly followed by more drawing over it (a caption's box, then its text):
  // the compositor copies it all in one go.
  const std::int64_t pixels = static_cast<std::int64_t>(logical.right - logical.left) * (logical.bottom - logical.top);
  if (pixels < kLeastMirroredPixels || dc.kind != DcKind::Surface || dc.surface == &display.screen ||
      target.bitsPerPixel != display.screen.bitsPerPixel || display.unobscured == nullptr ||
      !display.unobscured(target, mirror.m_Offset)) {
    return mirror;
  }
  RECT onScreen = LogicalToTarget(dc, logical);
  OffsetRect(&onScreen, mirror.m_Offset.x, mirror.m_Offset.y);
  mirror.m_bActive = !AnyStaleUnder(display, onScreen);
  return mirror;
}

RECT ScreenMirror::OnScreen(const RECT& targetPart) const {
  const Surface& screen = TheDisplay().screen;
  RECT part = targetPart;
  OffsetRect(&part, m_Offset.x, m_Offset.y);
  const RECT bounds{0, 0, screen.width, screen.height};
  RECT shown{};
  IntersectRect(&shown, &part, &bounds);
  return shown;
}

void ScreenMirror::Shown(const RECT& screenPart) const {
  win32::Display& display = TheDisplay();
  UnionRect(&display.damage, &display.damage, &screenPart);
  CountPixelsWritten(screenPart);
}

void ScreenMirror::Fill(const RECT& targetPart, COLORREF colour) const {
  const RECT part = OnScreen(targetPart);
  Surface& screen = TheDisplay().screen;
  for (int y = part.top; y < part.bottom; ++y) screen.FillRow(part.left, y, part.right - part.left, colour);
  Shown(part);
}

void ScreenMirror::CopyFrom(const Surface& target, const RECT& targetPart) const {
  const RECT part = OnScreen(targetPart);
  Surface& screen = TheDisplay().screen;
  for (int y = part.top; y < part.bottom; ++y) {
    const COLORREF* row = target.pixels.data() + target.Offset(part.left - m_Offset.x, y - m_Offset.y);
    std::copy_n(row, part.right - part.left, &screen.At(part.left, y));
  }
  Shown(part);
}

void FillWithBrush(const DeviceContext& dc, const RECT& rect, HBRUSH brush) {
  const BrushObject* b = Find<BrushObject>(brush);
  Surface* target = TargetOf(dc);
  if (!b || b->hollow || !target) return;
  const Surface* pattern = b->pattern && b->pattern->width > 0 && b->pattern->height > 0 ? b->pattern.get() : nullptr;
  if (!pattern) {
    const COLORREF solid = ToTargetColor(dc, SolidColour(dc, *b));
    // On a shown window nothing lies over, the fill goes to the screen as well: writing a
    // colour twice costs less than copying it there later (a window's erase is the largest
    // fill there is).
    const ScreenMirror mirror = ScreenMirror::For(dc, *target, rect);
    ForEachVisible(
        dc, rect,
        [&](const RECT& part) {
          for (int y = part.top; y < part.bottom; ++y) target->FillRow(part.left, y, part.right - part.left, solid);
          if (mirror.Active()) mirror.Fill(part, solid);
        },
        mirror.Active());
    return;
  }
  // A pattern tiles from the DC's origin; a monochrome one takes the text and background colours.
  const bool monoTarget = IsMonochrome(dc);
  const bool twoColour = pattern->bitsPerPixel == 1 && !monoTarget;
  auto colourOf = [&](COLORREF c) {
    if (twoColour) return c ? dc.attr.bkColor : dc.attr.textColor;
    return monoTarget ? ToMono(c) : (c & 0x00FFFFFF);
  };
  auto wrap = [](int v, int n) { return (v % n + n) % n; };
  ForEachVisible(dc, rect, [&](const RECT& part) {
    for (int y = part.top; y < part.bottom; ++y) {
      const int py = wrap(y - dc.origin.y, pattern->height);
      int px = wrap(part.left - dc.origin.x, pattern->width);
      COLORREF* out = &target->At(part.left, y);
      for (int x = part.left; x < part.right; ++x) {
        *out++ = colourOf(pattern->At(px, py));
        if (++px == pattern->width) px = 0;
      }
    }
  });
}

void PlotPixel(const DeviceContext& dc, int x, int y, COLORREF color) {
  const POINT p = ToTarget(dc, x, y);
  if (!IsVisible(dc, p)) return;
  TargetOf(dc)->At(p.x, p.y) = ToTargetColor(dc, color);
  const RECT pixel{p.x, p.y, p.x + 1, p.y + 1};
  UnionRect(&dc.touched, &dc.touched, &pixel);
  CountPixelsWritten(pixel);
}

}  // namespace win32::gdi

namespace win32 {

namespace {
std::uint64_t g_pixelsWritten = 0;
}  // namespace

std::uint64_t PixelsWritten() { return g_pixelsWritten; }

void CountPixelsWritten(const RECT& area) {
  if (area.right > area.left && area.bottom > area.top) {
    g_pixelsWritten += static_cast<std::uint64_t>(area.right - area.left) * static_cast<std::uint64_t>(area.bottom - area.top);
  }
}

RECT DrawnArea(HDC hdc) {
  const gdi::DeviceContext* dc = gdi::FindDC(hdc);
  return dc ? dc->touched : RECT{};
}

HDC CreateSurfaceDC(Surface* target, POINT origin, RECT clip) {
  gdi::DeviceContext dc;
  dc.kind = gdi::DcKind::Surface;
  dc.surface = target;
  dc.origin = origin;
  dc.bounds = clip;
  return gdi::AddDC(std::move(dc));
}

}  // namespace win32

using namespace win32::gdi;

HDC CreateDCA(LPCSTR driver, LPCSTR, LPCSTR, const void*) {
  if (!driver || std::strcmp(driver, "DISPLAY") != 0) return nullptr;
  DeviceContext dc;
  dc.kind = DcKind::Display;
  return AddDC(std::move(dc));
}

HDC CreateCompatibleDC(HDC) {
  DeviceContext dc;
  dc.kind = DcKind::Memory;
  return AddDC(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  for (HGDIOBJ held : {dc->attr.bitmap, dc->attr.brush, dc->attr.pen, dc->attr.font, dc->attr.palette}) Hold(held, -1);
  if (BitmapObject* bitmap = Find<BitmapObject>(dc->attr.bitmap)) bitmap->selectedInto = nullptr;
  for (const DcAttributes& saved : dc->saved) {
    for (HGDIOBJ held : {saved.brush, saved.pen, saved.font, saved.palette}) Hold(held, -1);
  }
  // Drawing on the screen itself is shown as it is (the target is not read: that would
  // composite the screen).
  const bool bOnScreen =
      dc->kind == DcKind::Display || (dc->kind == DcKind::Surface && dc->surface == &win32::TheDisplay().screen);
  if (bOnScreen) {
    RECT& damage = win32::TheDisplay().damage;
    UnionRect(&damage, &damage, &dc->touched);
  }
  DcTable().Erase(reinterpret_cast<std::uintptr_t>(hdc));
  win32::CountDestroyed(win32::ObjectKind::DC);
  return TRUE;
}

int SaveDC(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return 0;
  dc->saved.push_back(dc->attr);
  // The saved copy keeps its objects alive just as the live selection does.
  for (HGDIOBJ held : {dc->attr.brush, dc->attr.pen, dc->attr.font, dc->attr.palette}) Hold(held, 1);
  return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int savedDC) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  const int depth = static_cast<int>(dc->saved.size());
  const int level = savedDC < 0 ? depth + savedDC + 1 : savedDC;
  if (level < 1 || level > depth) return FALSE;
  while (static_cast<int>(dc->saved.size()) > level) {
    for (HGDIOBJ held : {dc->saved.back().brush, dc->saved.back().pen, dc->saved.back().font, dc->saved.back().palette}) Hold(held, -1);
    dc->saved.pop_back();
  }
  DcAttributes restored = dc->saved.back();
  dc->saved.pop_back();
  // The bitmap stays: restoring another bitmap would break its one-DC rule.
  for (HGDIOBJ held : {dc->attr.brush, dc->attr.pen, dc->attr.font, dc->attr.palette}) Hold(held, -1);
  restored.bitmap = dc->attr.bitmap;
  dc->attr = std::move(restored);
  return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
  if (!FindDC(hdc)) return 0;
  const win32::Display& display = win32::TheDisplay();
  switch (index) {
    case LOGPIXELSX: return display.dpiX;
    case LOGPIXELSY: return display.dpiY;
    case BITSPIXEL: return kTrueColourBits;
    case PLANES: return 1;
    case HORZRES: return display.screen.width;
    case VERTRES: return display.screen.height;
    default: return 0;
  }
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->attr.viewportOrigin;
  dc->attr.viewportOrigin = POINT{x, y};
  return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !origin) return FALSE;
  *origin = dc->attr.viewportOrigin;
  return TRUE;
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* previous) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  return SetViewportOrgEx(hdc, dc->attr.viewportOrigin.x + dx, dc->attr.viewportOrigin.y + dy, previous);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = FindDC(hdc);
  ObjectEntry* entry = FindObject(object);
  if (!dc || !entry) return nullptr;
  HGDIOBJ* slot = nullptr;
  if (auto* bitmap = std::get_if<BitmapObject>(&entry->object)) {
    if (dc->kind != DcKind::Memory) return nullptr;
    if (object != dc->attr.bitmap && bitmap->selectedInto && !entry->stock) return nullptr;
    if (BitmapObject* old = Find<BitmapObject>(dc->attr.bitmap)) old->selectedInto = nullptr;
    if (!entry->stock) bitmap->selectedInto = hdc;
    slot = &dc->attr.bitmap;
  } else if (std::holds_alternative<BrushObject>(entry->object)) {
    slot = &dc->attr.brush;
  } else if (std::holds_alternative<PenObject>(entry->object)) {
    slot = &dc->attr.pen;
  } else if (std::holds_alternative<FontObject>(entry->object)) {
    slot = &dc->attr.font;
  } else {
    slot = &dc->attr.palette;
  }
  HGDIOBJ previous = *slot;
  Hold(previous, -1);
  Hold(object, 1);
  *slot = object;
  return previous;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN: return dc->attr.pen;
    case OBJ_BRUSH: return dc->attr.brush;
    case OBJ_PAL: return dc->attr.palette;
    case OBJ_FONT: return dc->attr.font;
    case OBJ_BITMAP: return dc->attr.bitmap;
    default: return nullptr;
  }
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  // The display is true colour: a palette is remembered but changes no colour.
  return Find<PaletteObject>(palette) ? SelectObject(hdc, palette) : nullptr;
}

UINT RealizePalette(HDC hdc) { return FindDC(hdc) ? 0 : static_cast<UINT>(-1); }

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  return std::exchange(dc->attr.textColor, color);
}
COLORREF GetTextColor(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? dc->attr.textColor : CLR_INVALID;
}
COLORREF SetBkColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  return std::exchange(dc->attr.bkColor, color);
}
COLORREF SetDCBrushColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  return std::exchange(dc->attr.dcBrushColor, color);
}
COLORREF GetBkColor(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? dc->attr.bkColor : CLR_INVALID;
}
int SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(dc->attr.bkMode, mode);
}
int GetBkMode(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? dc->attr.bkMode : 0;
}
UINT SetTextAlign(HDC hdc, UINT align) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return static_cast<UINT>(-1);
  return std::exchange(dc->attr.textAlign, align);
}
UINT GetTextAlign(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  return dc ? dc->attr.textAlign : static_cast<UINT>(-1);
}
