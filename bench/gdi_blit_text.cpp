// GDI hot paths the control's painting leans on: the off-screen-to-window blit and the
// caption text of a menu.
#include <benchmark/benchmark.h>

#include <cstring>

#include "win32/gdi.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr LONG kEightPoint = -11;

struct MemorySurface {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  MemorySurface() : dc(CreateCompatibleDC(nullptr)) {
    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    DeleteDC(screen);
    old = SelectObject(dc, bitmap);
  }
  ~MemorySurface() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

void BM_BitBlt400x300(benchmark::State& state) {
  MemorySurface from;
  MemorySurface to;
  for (auto _ : state) BitBlt(to.dc, 0, 0, kWidth, kHeight, from.dc, 0, 0, SRCCOPY);
}
BENCHMARK(BM_BitBlt400x300);

void BM_DrawTextMenuCaption(benchmark::State& state) {
  MemorySurface surface;
  LOGFONTA lf{};
  lf.lfHeight = kEightPoint;
  std::strncpy(lf.lfFaceName, "Tahoma", LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ old = SelectObject(surface.dc, font);
  SetBkMode(surface.dc, TRANSPARENT);
  RECT r{0, 0, 120, 20};
  for (auto _ : state) {
    DrawTextA(surface.dc, "&Tools", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  SelectObject(surface.dc, old);
  DeleteObject(font);
}
BENCHMARK(BM_DrawTextMenuCaption);

}  // namespace
