// Cost of the paints a user feels, on the real control hosted on a form on the headless
// desktop: the bar's full layout and repaint (EndUpdate with eight menus), the paint handler
// drawing a hovered caption over the face, a drop-down of fifteen items with icons and a
// shadow shown and unloaded, and one highlighted row of an open drop-down repainted.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "container/Form.h"
#include "container/ImageList.h"
#include "core/MirelMenuBar20.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenu.h"
#include "core/automation/cMenuItems.h"
#include "core/automation/cMenus.h"
#include "menu/frmMenu.h"
#include "win32/desktop.h"
#include "win32/surface.h"

namespace {

constexpr int kFormLeft = 40;
constexpr int kFormTop = 30;
constexpr float kBarWidthTwips = 9000;
constexpr float kBarHeightTwips = 600;
constexpr int kMenuCount = 8;
constexpr int kItemCount = 15;
constexpr int kIconSize = 16;
constexpr int kIconCount = 4;
constexpr COLORREF kIconColour = RGB(40, 160, 90);
constexpr int kHoveredMenu = 3;
constexpr int kDroppedMenu = 1;
constexpr int kHighlightedRow = 7;

// A run-time form holding one menu bar with eight menus of fifteen items, each item with an
// icon, and menu shadows on (their default).
class HostedBar {
 public:
  HostedBar() {
    win32::TheDesktop().Reset();
    FormOptions options;
    options.left = kFormLeft;
    options.top = kFormTop;
    m_Form = std::make_unique<Form>(options);
    m_Bar = m_Form->AddControl<MirelMenuBar20>({"MirelMenuBar201", 0, 0, kBarWidthTwips, kBarHeightTwips});
    m_Form->Show();
    AttachIcons();
    for (int m = 1; m <= kMenuCount; ++m) AddMenu(m);
    m_Bar->EndUpdate();
    win32::TheDesktop().DoEvents();
  }
  ~HostedBar() {
    m_Bar->HideAllMenus();
    if (m_Form->Loaded()) m_Form->Unload();
  }
  HostedBar(const HostedBar&) = delete;
  HostedBar& operator=(const HostedBar&) = delete;

  MirelMenuBar20& Bar() { return *m_Bar; }

  // Opens menu iMenu's drop-down under its caption, the way the bar does.
  HWND Drop(int iMenu) {
    RECT rcBar{};
    GetWindowRect(m_Bar->hWnd(), &rcBar);
    const tMenuInfo& menu = Inside(*m_Bar).MenuData().Menu(iMenu);
    MirelMenuBar20Internals::tMenuWindowRequest request;
    request.iMenu = iMenu;
    request.X = static_cast<float>(menu.cMCollX - kCaptionWindowOffset + rcBar.left) * Inside(*m_Bar).TwipsPerPixelX();
    request.Y = static_cast<float>(Inside(*m_Bar).BarHeight() + rcBar.top) * Inside(*m_Bar).TwipsPerPixelY();
    request.lBarHeight = Inside(*m_Bar).BarHeight();
    return Inside(*m_Bar).ShowMenuWindow(request);
  }

 private:
  void AttachIcons() {
    auto images = std::make_shared<ImageList>();
    for (int k = 0; k < kIconCount; ++k) {
      win32::Surface icon;
      icon.Resize(kIconSize, kIconSize, kIconColour);
      images->Images().AddSurface(Variant::Missing(), Variant::Missing(), icon);
    }
    ctsMBImageListTypeConstants slot = imlMenuItems;
    Variant list(std::static_pointer_cast<AutomationObject>(images));
    m_Bar->SetImageList(slot, list);
  }

  void AddMenu(int m) {
    const std::string name = "Menu" + std::to_string(m);
    const auto items = m_Bar->Menus()->Add({.Key = name, .Caption = "&" + name, .Enabled = true})->MenuItems();
    for (int i = 1; i <= kItemCount; ++i) {
      const std::string item = name + "Item" + std::to_string(i);
      // The host's image list counts its images from 1.
      items->Add({.Caption = "&" + item, .Icon = static_cast<std::int16_t>(1 + i % kIconCount), .Key = item});
    }
  }

  std::unique_ptr<Form> m_Form;
  std::shared_ptr<MirelMenuBar20> m_Bar;
};

void BM_BarLayoutAndRepaint(benchmark::State& state) {
  HostedBar host;
  for (auto _ : state) host.Bar().EndUpdate();
  state.counters["paints"] = static_cast<double>(Inside(host.Bar()).PaintCount());
}
BENCHMARK(BM_BarLayoutAndRepaint);

void BM_BarPaintWithHover(benchmark::State& state) {
  HostedBar host;
  Inside(host.Bar()).Tracker().SetMouseOverBar(true);
  Inside(host.Bar()).Tracker().SetHoverIndex(kHoveredMenu);
  for (auto _ : state) host.Bar().Refresh();
}
BENCHMARK(BM_BarPaintWithHover);

void BM_DropDownShowAndUnload(benchmark::State& state) {
  HostedBar host;
  for (auto _ : state) {
    frmMenu* form = frmMenu::FromWindow(host.Drop(kDroppedMenu));
    if (form == nullptr) {
      state.SkipWithError("the drop-down did not open");
      break;
    }
    form->Unload();
  }
}
BENCHMARK(BM_DropDownShowAndUnload);

void BM_DropDownHighlightedRowRepaint(benchmark::State& state) {
  HostedBar host;
  frmMenu* form = frmMenu::FromWindow(host.Drop(kDroppedMenu));
  if (form == nullptr) {
    state.SkipWithError("the drop-down did not open");
    return;
  }
  form->SetHighlightedRow(kHighlightedRow);
  for (auto _ : state) form->RepaintRow(kHighlightedRow);
}
BENCHMARK(BM_DropDownHighlightedRowRepaint);

}  // namespace
