// Cost of the off-screen surface operations a paint performs: a ChangeSize that finds the
// size unchanged (every paint), a growth (a window made larger), and one caption drawn.
#include <benchmark/benchmark.h>

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "render/cMemDC.h"
#include "render/modFontConv.h"
#include "win32/desktop.h"

namespace {

constexpr LONG kBarWidth = 800;
constexpr LONG kBarHeight = 24;
constexpr LONG kSmallWidth = 200;

void BM_ChangeSizeUnchanged(benchmark::State& state) {
  win32::TheDesktop().Reset();
  cMemDC surface;
  surface.ChangeSize(kBarWidth, kBarHeight);
  for (auto _ : state) {
    surface.ChangeSize(kBarWidth, kBarHeight);
    benchmark::DoNotOptimize(surface.hdc());
  }
}
BENCHMARK(BM_ChangeSizeUnchanged);

// Each round shrinks back to the small width first, so it measures two re-creations.
void BM_ShrinkThenGrowWidth(benchmark::State& state) {
  win32::TheDesktop().Reset();
  cMemDC surface;
  for (auto _ : state) {
    surface.ChangeSize(kSmallWidth, kBarHeight);
    surface.SetWidth(kBarWidth);
    benchmark::DoNotOptimize(surface.hdc());
  }
}
BENCHMARK(BM_ShrinkThenGrowWidth);

void BM_DrawTextAutoCaption(benchmark::State& state) {
  win32::TheDesktop().Reset();
  InitUnicodeSupport();
  cMemDC surface;
  surface.ChangeSize(kBarWidth, kBarHeight);
  HFONT font = FontFromStdFont(StdFont("Tahoma", 8.25));
  HGDIOBJ previous = SelectObject(surface.hdc(), font);
  SetBkMode(surface.hdc(), TRANSPARENT);
  for (auto _ : state) {
    benchmark::DoNotOptimize(DrawTextAuto(surface.hdc(), "&File", 0, kSmallWidth, 0, kBarHeight,
                                          DT_SINGLELINE | DT_VCENTER | DT_CENTER));
  }
  SelectObject(surface.hdc(), previous);
  DeleteObject(font);
}
BENCHMARK(BM_DrawTextAutoCaption);

}  // namespace
