// The side-by-side scenarios: a host form with the menu bar doing what bench/peer_qt does with
// Qt widgets, driven the way a user meets it (mouse moves and clicks on the headless desktop).
// ./run bench runs both programs and prints one table; names match across the two.
// The paints a user feels also report their allocations and pixels written; with
// --check-budget <file> the program instead checks those counts against recorded ones
// (--record-budget <file> records them), which CTest runs.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "SideBySide.h"
#include "container/Form.h"
#include "container/ImageList.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenu.h"
#include "core/automation/cMenuItems.h"
#include "core/automation/cBands.h"
#include "core/automation/cMenus.h"
#include "core/automation/cTools.h"
#include "win32/desktop.h"
#include "win32/surface.h"

namespace {
std::uint64_t g_allocations = 0;
}  // namespace

// Every allocation of the program is counted (it is single-threaded). GCC cannot see that
// these replace the global pair, hence the pragma.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace side_by_side;

struct Counts {
  std::uint64_t allocations = 0;
  std::uint64_t pixels = 0;
};

Counts CountsNow() { return Counts{g_allocations, win32::PixelsWritten()}; }

Counts CountsOf(const std::function<void()>& work) {
  const Counts before = CountsNow();
  work();
  const Counts after = CountsNow();
  return Counts{after.allocations - before.allocations, after.pixels - before.pixels};
}

// Reports what one iteration of the timed loop allocated and wrote, on average.
void ReportCounts(benchmark::State& state, const Counts& before) {
  const Counts after = CountsNow();
  const double iterations = static_cast<double>(state.iterations());
  state.counters["allocs"] = static_cast<double>(after.allocations - before.allocations) / iterations;
  state.counters["pixels"] = static_cast<double>(after.pixels - before.pixels) / iterations;
}

constexpr float kBarHeightTwips = 600;
constexpr int kIconSize = 16;
constexpr int kIconCount = 4;
constexpr COLORREF kIconColour = RGB(40, 160, 90);
constexpr int kEmptyBarInset = 10;
constexpr int kArrowInset = 4;  // a point on a drop-down tool's arrow part, from its right edge
constexpr DWORD kSettleMs = 50;  // the bar's timers after a menu closed

// A run-time form of 1024 x 768 pixels at the screen's corner with one menu bar across it.
class Host {
 public:
  explicit Host(bool bShow = true) {
    win32::TheDesktop().Reset();
    FormOptions options;
    options.width = kWindowWidth;
    options.height = kWindowHeight;
    m_Form = std::make_unique<Form>(options);
    const float width = static_cast<float>(kWindowWidth * win32::TheDesktop().TwipsPerPixel());
    m_Bar = m_Form->AddControl<MirelMenuBar20>({"MirelMenuBar201", 0, 0, width, kBarHeightTwips});
    AttachIcons();
    if (bShow) Show();
  }
  ~Host() {
    m_Bar->HideAllMenus();
    if (m_Form->Loaded()) m_Form->Unload();
  }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  void Show() {
    m_Form->Show();
    win32::TheDesktop().DoEvents();
    Present();
  }
  // What the real window does after every event it handles: the changed part of the screen is
  // composited and taken to be shown, so each user step below pays for its frame (the peer's
  // steps likewise end in a flushed backing store).
  static void Present() { win32::TheDesktop().TakeScreenDamage(); }
  static void Key(int vk) {
    win32::TheDesktop().KeyPress(vk);
    Present();
  }
  Form& HostForm() { return *m_Form; }
  MirelMenuBar20& Bar() { return *m_Bar; }

  // The eight menus of twenty items, each with an icon and a key.
  void BuildMenus() {
    m_Bar->BeginUpdate();
    for (int m = 1; m <= kMenuCount; ++m) AddMenu("Menu" + std::to_string(m), kItemsPerMenu, true);
    m_Bar->EndUpdate();
  }
  void AddMenu(const std::string& name, int items, bool bKeyed) {
    const auto list = m_Bar->Menus()->Add({.Key = name, .Caption = "&" + name, .Enabled = true})->MenuItems();
    for (int i = 1; i <= items; ++i) {
      const std::string item = name + "Item" + std::to_string(i);
      // The host's image list counts its images from 1.
      list->Add({.Caption = "&" + item, .Icon = static_cast<std::int16_t>(1 + i % kIconCount),
                 .Key = bKeyed ? item : std::string()});
    }
  }

  // A last menu whose first item opens a secondary menu of twenty items.
  void AddCascade() {
    const std::string sub = std::string(kCascadeMenu) + "Sub";
    m_Bar->BeginUpdate();
    const auto list = m_Bar->Menus()->Add({.Key = kCascadeMenu, .Caption = kCascadeMenu, .Enabled = true})->MenuItems();
    list->Add({.Style = tsSubMenu, .Caption = "&More", .SubMenuName = sub, .Key = "More"});
    const auto items = m_Bar->Menus()->Add({.Key = sub, .Caption = sub, .Style = tsSecondaryMenu, .Enabled = true})->MenuItems();
    for (int i = 1; i <= kItemsPerMenu; ++i) {
      items->Add({.Caption = "&Sub" + std::to_string(i), .Icon = static_cast<std::int16_t>(1 + i % kIconCount)});
    }
    m_Bar->EndUpdate();
  }
  std::size_t OpenMenuCount() const { return Inside(*m_Bar).OpenMenuWindows().size(); }

  POINT CaptionPoint(int iMenu) {
    RECT rcBar{};
    GetWindowRect(m_Bar->hWnd(), &rcBar);
    const tMenuInfo& menu = Inside(*m_Bar).MenuData().Menu(iMenu);
    return POINT{rcBar.left + menu.cMCollX + menu.cMWidth / 2, rcBar.top + Inside(*m_Bar).BarHeight() / 2};
  }
  void ClickCaption(int iMenu) {
    const POINT pt = CaptionPoint(iMenu);
    win32::TheDesktop().MouseMove(pt.x, pt.y);
    win32::TheDesktop().Click();
    Present();
  }
  bool MenuOpen() const { return !Inside(*m_Bar).OpenMenuWindows().empty(); }
  // Opens menu iMenu's drop-down under its caption the way the bar does on a click.
  bool DropMenu(int iMenu) {
    RECT rcBar{};
    GetWindowRect(m_Bar->hWnd(), &rcBar);
    const MirelMenuBar20Internals inside = Inside(*m_Bar);
    const tMenuInfo& menu = inside.MenuData().Menu(iMenu);
    MirelMenuBar20Internals::tMenuWindowRequest request;
    request.iMenu = iMenu;
    request.X = static_cast<float>(menu.cMCollX - kCaptionWindowOffset + rcBar.left) * inside.TwipsPerPixelX();
    request.Y = static_cast<float>(inside.BarHeight() + rcBar.top) * inside.TwipsPerPixelY();
    request.lBarHeight = inside.BarHeight();
    const bool bShown = inside.ShowMenuWindow(request) != nullptr;
    Present();
    return bShown;
  }
  // As the peer's menu->hide(): the menus close without a choice, and the mouse moves on to
  // the bar's empty end (the bar takes a press on the caption it still shows selected as no
  // new click).
  void CloseMenus() {
    m_Bar->HideAllMenus();
    const POINT caption = CaptionPoint(1);
    win32::TheDesktop().MouseMove(kWindowWidth - kEmptyBarInset, caption.y);
    win32::TheDesktop().AdvanceTime(kSettleMs);
    Present();
  }
  void RedrawAll() {
    RedrawWindow(m_Form->hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Present();
  }
  // Three bands of twenty icon buttons under the bar.
  void BuildBands() {
    m_Bar->BeginUpdate();
    for (int b = 1; b <= kBandCount; ++b) {
      const auto line = static_cast<std::int16_t>(b == kBandCount ? 2 : 1);
      const auto tools = m_Bar->Bands()->Add({.lLineIndex = line, .lLinePosition = static_cast<std::int16_t>(b == 2 ? 2 : 1), .lWidth = kWindowWidth / 2 - 6})->Tools();
      for (int t = 1; t <= kToolsPerBand; ++t) tools->Add({.Icon = static_cast<std::int16_t>(1 + t % kIconCount)});
    }
    m_Bar->EndUpdate();
    win32::TheDesktop().DoEvents();
    Present();
  }
  // A band of one colour drop-down on a line of its own, below the others.
  void AddColourBand() {
    m_Bar->BeginUpdate();
    m_Bar->Bands()
        ->Add({.lLineIndex = kBandCount, .lLinePosition = 1, .lWidth = kWindowWidth / 2})
        ->Tools()
        ->Add({.Icon = 1, .Style = teColorDropDown});
    m_Bar->EndUpdate();
    win32::TheDesktop().DoEvents();
    Present();
  }
  // A press on the colour drop-down's arrow.
  void ClickColourArrow() {
    const MirelReBar& band = Inside(*m_Bar).BandData().Surface(kBandCount + 1);
    const tToolItemInfo& tool = band.Tool(1);
    POINT pt{tool.cTILeft + tool.cTIWidth - kArrowInset, band.Height() / 2};
    ClientToScreen(band.hWnd(), &pt);
    win32::TheDesktop().MouseMove(pt.x, pt.y);
    win32::TheDesktop().Click();
    Present();
  }
  bool PopupOpen() const { return !Inside(*m_Bar).Popups().Windows().empty(); }
  // Hover moves between two neighbouring tools of the first band.
  void HoverTool(bool bSecond) {
    const MirelReBar& band = Inside(*m_Bar).BandData().Surface(1);
    const tToolItemInfo& tool = band.Tool(kHoverTool + (bSecond ? 1 : 0));
    POINT pt{tool.cTILeft + tool.cTIWidth / 2, band.Height() / 2};
    ClientToScreen(band.hWnd(), &pt);
    win32::TheDesktop().MouseMove(pt.x, pt.y);
    Present();
  }
  // Hover moves between two neighbouring captions.
  void Hover(bool bSecond) {
    const POINT pt = CaptionPoint(kHoverFrom + (bSecond ? 1 : 0));
    win32::TheDesktop().MouseMove(pt.x, pt.y);
    Present();
  }

 private:
  void AttachIcons() {
    auto images = std::make_shared<ImageList>();
    for (int k = 0; k < kIconCount; ++k) {
      win32::Surface icon;
      icon.Resize(kIconSize, kIconSize, kIconColour);
      images->Images().AddSurface(Variant::Missing(), Variant::Missing(), icon);
    }
    Variant list(std::static_pointer_cast<AutomationObject>(images));
    for (ctsMBImageListTypeConstants slot : {imlMenuItems, imlToolItems}) m_Bar->SetImageList(slot, list);
  }

  std::unique_ptr<Form> m_Form;
  std::shared_ptr<MirelMenuBar20> m_Bar;
};

void BM_Build8x20(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto host = std::make_unique<Host>();
    state.ResumeTiming();
    host->BuildMenus();
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Build8x20)->Unit(benchmark::kMicrosecond);

void BM_ShowFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto host = std::make_unique<Host>(false);
    host->BuildMenus();
    state.ResumeTiming();
    host->Show();
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ShowFirstPaint)->Unit(benchmark::kMicrosecond);

void BM_FullRedraw1024x768(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  const Counts before = CountsNow();
  for (auto _ : state) host.RedrawAll();
  ReportCounts(state, before);
}
BENCHMARK(BM_FullRedraw1024x768)->Unit(benchmark::kMicrosecond);

void BM_HoverCaptionToCaption(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.Hover(false);
  bool bSecond = true;
  const Counts before = CountsNow();
  for (auto _ : state) {
    host.Hover(bSecond);
    bSecond = !bSecond;
  }
  ReportCounts(state, before);
}
BENCHMARK(BM_HoverCaptionToCaption)->Unit(benchmark::kMicrosecond);

void BM_Bands3x20Build(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto host = std::make_unique<Host>();
    host->BuildMenus();
    state.ResumeTiming();
    host->BuildBands();
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Bands3x20Build)->Unit(benchmark::kMicrosecond);

void BM_HoverToolToTool(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.BuildBands();
  host.HoverTool(false);
  bool bSecond = true;
  const Counts before = CountsNow();
  for (auto _ : state) {
    host.HoverTool(bSecond);
    bSecond = !bSecond;
  }
  ReportCounts(state, before);
}
BENCHMARK(BM_HoverToolToTool)->Unit(benchmark::kMicrosecond);

void BM_FullRedrawWithBands(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.BuildBands();
  const Counts before = CountsNow();
  for (auto _ : state) host.RedrawAll();
  ReportCounts(state, before);
}
BENCHMARK(BM_FullRedrawWithBands)->Unit(benchmark::kMicrosecond);

void BM_MenuOpenPaintClose20(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  const Counts before = CountsNow();
  for (auto _ : state) {
    if (!host.DropMenu(1)) state.SkipWithError("the menu did not open");
    host.CloseMenus();
  }
  ReportCounts(state, before);
}
BENCHMARK(BM_MenuOpenPaintClose20)->Unit(benchmark::kMicrosecond);

// Opening a menu of `items` items the first time, painted and shown.
void BM_MenuFirstPopup(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto host = std::make_unique<Host>();
    host->Bar().BeginUpdate();
    host->AddMenu("Long", items, false);
    host->Bar().EndUpdate();
    state.ResumeTiming();
    host->ClickCaption(1);
    state.PauseTiming();
    if (!host->MenuOpen()) state.SkipWithError("the menu did not open");
    host.reset();
    state.ResumeTiming();
  }
  state.counters["per_item"] = benchmark::Counter(static_cast<double>(items), benchmark::Counter::kIsIterationInvariantRate |
                                                                           benchmark::Counter::kInvert);
}
BENCHMARK(BM_MenuFirstPopup)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_KeyedItemsBuild(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto host = std::make_unique<Host>();
    state.ResumeTiming();
    host->Bar().BeginUpdate();
    host->AddMenu("Long", items, true);
    host->Bar().EndUpdate();
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
  state.counters["per_item"] = benchmark::Counter(static_cast<double>(items), benchmark::Counter::kIsIterationInvariantRate |
                                                                           benchmark::Counter::kInvert);
}
BENCHMARK(BM_KeyedItemsBuild)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// With the cascade menu open and its sub-menu item highlighted, Right opens the sub-menu
// and Left closes it again, as a keyboard user steps in and out.
void BM_CascadeOpenClose(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.AddCascade();
  host.ClickCaption(kMenuCount + 1);
  Host::Key(VK_DOWN);
  for (auto _ : state) {
    Host::Key(VK_RIGHT);
    if (host.OpenMenuCount() != 2) state.SkipWithError("the sub-menu did not open");
    Host::Key(VK_LEFT);
  }
}
BENCHMARK(BM_CascadeOpenClose)->Unit(benchmark::kMicrosecond);

// The colour panel of a tool opens under it and closes with Esc.
void BM_ColourPanelOpenClose(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.BuildBands();
  host.AddColourBand();
  for (auto _ : state) {
    host.ClickColourArrow();
    if (!host.PopupOpen()) state.SkipWithError("the panel did not open");
    Host::Key(VK_ESCAPE);
  }
}
BENCHMARK(BM_ColourPanelOpenClose)->Unit(benchmark::kMicrosecond);

void BM_FirstMenuOpenInProcess(benchmark::State& state) { RunInFreshProcess(state, "first-menu-open"); }
BENCHMARK(BM_FirstMenuOpenInProcess)->UseManualTime()->Iterations(10)->Unit(benchmark::kMicrosecond);


double FreshScenario(const std::string& name) {
  if (name != "first-menu-open") return -1;
  Host host;
  host.BuildMenus();
  return SecondsOf([&] { host.ClickCaption(1); });
}

// ---- the budget: counts of one run of each paint a user feels, after one warm-up run ----

constexpr int kLongMenuItems = 10000;

std::map<std::string, Counts> MeasureBudget() {
  std::map<std::string, Counts> measured;
  {
    Host host(false);
    host.BuildMenus();
    measured["show-first-paint"] = CountsOf([&] { host.Show(); });
    host.RedrawAll();
    measured["full-redraw"] = CountsOf([&] { host.RedrawAll(); });
    host.Hover(false);
    host.Hover(true);
    host.Hover(false);
    measured["hover"] = CountsOf([&] { host.Hover(true); });
    host.DropMenu(1);
    host.CloseMenus();
    measured["menu-open-close-20"] = CountsOf([&] {
      host.DropMenu(1);
      host.CloseMenus();
    });
  }
  Host host;
  host.Bar().BeginUpdate();
  host.AddMenu("Long", kLongMenuItems, true);
  host.Bar().EndUpdate();
  Host::Present();
  measured["menu-open-10000"] = CountsOf([&] { host.ClickCaption(1); });
  return measured;
}

// Lines "name allocations pixels".
int CheckBudget(const std::string& path, bool bRecord) {
  const std::map<std::string, Counts> measured = MeasureBudget();
  if (bRecord) {
    std::ofstream out(path);
    for (const auto& [name, counts] : measured) out << name << " " << counts.allocations << " " << counts.pixels << "\n";
    return out ? 0 : 1;
  }
  std::map<std::string, Counts> recorded;
  std::ifstream in(path);
  std::string name;
  Counts counts;
  while (in >> name >> counts.allocations >> counts.pixels) recorded[name] = counts;
  int failures = 0;
  std::cout << "scenario allocations (recorded) pixels (recorded)\n";
  for (const auto& [key, now] : measured) {
    const auto found = recorded.find(key);
    const bool ok = found != recorded.end() && now.allocations <= found->second.allocations &&
                    now.pixels <= found->second.pixels;
    failures += ok ? 0 : 1;
    std::cout << key << " " << now.allocations << " (" << (found == recorded.end() ? 0 : found->second.allocations)
              << ") " << now.pixels << " (" << (found == recorded.end() ? 0 : found->second.pixels) << ")"
              << (ok ? "" : "  <- over budget") << "\n";
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && (std::string(argv[1]) == "--check-budget" || std::string(argv[1]) == "--record-budget")) {
    return CheckBudget(argv[2], std::string(argv[1]) == "--record-budget");
  }
  return side_by_side::Main(argc, argv, FreshScenario);
}
