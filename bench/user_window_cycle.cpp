// Cost of the window life cycle and of message dispatch on the headless desktop.
#include <benchmark/benchmark.h>

#include "support/MessageLog.h"
#include "win32/desktop.h"

namespace {

constexpr RECT kWindowRect{0, 0, 120, 80};
constexpr UINT kPing = WM_USER + 7;
constexpr int kMessagesPerRound = 100;

void FreshDesktop() {
  win32::TheDesktop().Reset();
  mirel_test::RegisterTestWindowClass();
}

void BM_CreatePaintDestroy(benchmark::State& state) {
  FreshDesktop();
  for (auto _ : state) {
    HWND hwnd = mirel_test::CreateTestWindow("bench", kWindowRect);
    UpdateWindow(hwnd);
    DestroyWindow(hwnd);
  }
}
BENCHMARK(BM_CreatePaintDestroy);

void BM_PostAndDispatch(benchmark::State& state) {
  FreshDesktop();
  HWND hwnd = mirel_test::CreateTestWindow("bench", kWindowRect);
  win32::TheDesktop().DoEvents();
  for (auto _ : state) {
    for (int i = 0; i < kMessagesPerRound; ++i) PostMessageA(hwnd, kPing, 0, 0);
    win32::TheDesktop().DoEvents();
  }
  state.SetItemsProcessed(state.iterations() * kMessagesPerRound);
}
BENCHMARK(BM_PostAndDispatch);

void BM_AdvanceTimeWithTimers(benchmark::State& state) {
  FreshDesktop();
  HWND hwnd = mirel_test::CreateTestWindow("bench", kWindowRect);
  SetTimer(hwnd, 1, 25, nullptr);
  SetTimer(hwnd, 2, 50, nullptr);
  for (auto _ : state) win32::TheDesktop().AdvanceTime(1000);
}
BENCHMARK(BM_AdvanceTimeWithTimers);

}  // namespace
