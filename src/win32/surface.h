// Internal contract between GDI and USER: pixel surfaces and the display.
// GDI owns bitmaps and the screen surface; USER composites windows into the screen and
// asks GDI for device contexts that draw onto a window's part of a surface.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <vector>

#include "win32/types.h"

namespace win32 {

// A bitmap's pixels. Colour surfaces hold COLORREF values (0x00BBGGRR); monochrome surfaces
// (bitsPerPixel == 1) hold 0x000000 or 0xFFFFFF per pixel.
struct Surface {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 32;
  std::vector<COLORREF> pixels;

  void Resize(int w, int h, COLORREF fill = 0) {
    width = w;
    height = h;
    // One pass over the pixels: resizing and then filling would write every pixel twice (a
    // new window's surface is as large as the window).
    pixels.assign(w > 0 && h > 0 ? static_cast<std::size_t>(w) * static_cast<std::size_t>(h) : 0, fill);
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  COLORREF& At(int x, int y) { return pixels[Offset(x, y)]; }
  COLORREF At(int x, int y) const { return pixels[Offset(x, y)]; }
  std::size_t Offset(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
  }
  // Sets `count` pixels of row y from x on. The C library's wide fill stores 32-bit values
  // with vector instructions; a plain loop of 32-bit stores is several times slower on the
  // large fills every window erase makes.
  void FillRow(int x, int y, int count, COLORREF color) {
    static_assert(sizeof(wchar_t) == sizeof(COLORREF));
    std::wmemset(reinterpret_cast<wchar_t*>(&At(x, y)), static_cast<wchar_t>(color), static_cast<std::size_t>(count));
  }
};

// The one display: its screen surface and resolution. USER's desktop sets size and DPI.
struct Display {
  // The screen as last composited: read it through Current().
  Surface screen;
  // Screen pixels changed since the real window last showed them: what the compositor and
  // drawing on the screen itself wrote.
  RECT damage{0, 0, 0, 0};
  // Areas whose windows changed since they were last composited, and USER's compositor.
  // Compositing waits until the screen is read or drawn on, so a window shown, painted and
  // closed in one go is composited once, not three times.
  std::vector<RECT> stale;
  void (*compose)(const RECT& area) = nullptr;
  // Where pixel (0, 0) of a top-level window's surface lies on the screen, when the window is
  // shown and nothing lies over it: drawing there may then reach the screen at once. USER's.
  bool (*unobscured)(const Surface& surface, POINT& screenOrigin) = nullptr;
  int dpiX = 96;
  int dpiY = 96;

  Surface& Current() {
    if (compose == nullptr) return screen;
    // The compositor writes the screen only, so the areas may go in any order.
    while (!stale.empty()) {
      const RECT area = stale.back();
      stale.pop_back();
      compose(area);
    }
    return screen;
  }
};
Display& TheDisplay();

// A device context drawing onto `target` with (0, 0) at `origin` (in target pixels) and
// clipped to `clip` (in target pixels). Released with ReleaseDC/DeleteDC like any DC.
HDC CreateSurfaceDC(Surface* target, POINT origin, RECT clip);
// The bounds, in target pixels, of everything drawn through `hdc` so far (empty when nothing).
RECT DrawnArea(HDC hdc);

// Pixels drawing and compositing have written since the process started: what a paint costs,
// counted by the benchmarks.
std::uint64_t PixelsWritten();
void CountPixelsWritten(const RECT& area);

}  // namespace win32
