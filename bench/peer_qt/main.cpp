// The peer of bench/scenarios.cpp: the same scenarios done with Qt 5 widgets (Fusion style,
// offscreen platform) — a 1024 x 768 main window with a menu bar of eight menus of twenty
// actions, each with an icon and a name — driven by mouse events sent to the menu bar.
#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include <memory>
#include <string>
#include <vector>

#include "SideBySide.h"

namespace {

using namespace side_by_side;

constexpr int kIconSize = 16;
constexpr int kIconCount = 4;
const QColor kIconColour(40, 160, 90);
constexpr int kPaletteCells = 64;  // 48 palette colours and two rows of 8 custom cells
constexpr int kPaletteColumns = 8;
constexpr int kCellSize = 13;

void Settle() { QApplication::processEvents(); }

class Host {
 public:
  explicit Host(bool bShow = true) {
    m_Window.resize(kWindowWidth, kWindowHeight);
    m_Window.move(0, 0);
    for (int k = 0; k < kIconCount; ++k) {
      QPixmap pixmap(kIconSize, kIconSize);
      pixmap.fill(kIconColour);
      m_Icons.emplace_back(pixmap);
    }
    if (bShow) Show();
  }

  void Show() {
    m_Window.show();
    Settle();
  }
  QMainWindow& Window() { return m_Window; }
  QMenuBar& Bar() { return *m_Window.menuBar(); }

  void BuildMenus() {
    for (int m = 1; m <= kMenuCount; ++m) AddMenu("Menu" + std::to_string(m), kItemsPerMenu, true);
    Settle();
  }
  void AddMenu(const std::string& name, int items, bool bKeyed) {
    QMenu* menu = Bar().addMenu(QString::fromStdString("&" + name));
    menu->setObjectName(QString::fromStdString(name));
    for (int i = 1; i <= items; ++i) {
      const std::string item = name + "Item" + std::to_string(i);
      QAction* action = menu->addAction(m_Icons[static_cast<std::size_t>(i % kIconCount)],
                                        QString::fromStdString("&" + item));
      if (bKeyed) action->setObjectName(QString::fromStdString(item));
    }
  }

  // Three tool bars of twenty icon buttons, two on the first line and one on the second.
  void BuildBands() {
    for (int b = 1; b <= kBandCount; ++b) {
      if (b == kBandCount) m_Window.addToolBarBreak();
      QToolBar* bar = m_Window.addToolBar(QString::fromStdString("Band" + std::to_string(b)));
      for (int t = 1; t <= kToolsPerBand; ++t) bar->addAction(m_Icons[static_cast<std::size_t>(t % kIconCount)], "");
      m_ToolBars.push_back(bar);
    }
    Settle();
  }
  // The pointer moves from one neighbouring tool button of the first bar onto the other.
  void HoverTool(bool bSecond) {
    QToolBar* bar = m_ToolBars.front();
    QWidget* from = bar->widgetForAction(bar->actions().at(kHoverTool - (bSecond ? 1 : 0)));
    QWidget* to = bar->widgetForAction(bar->actions().at(kHoverTool - (bSecond ? 0 : 1)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(from, &leave);
    QEnterEvent enter(to->rect().center(), to->mapToGlobal(to->rect().center()), to->mapToGlobal(to->rect().center()));
    QApplication::sendEvent(to, &enter);
    QMouseEvent move(QEvent::MouseMove, to->rect().center(), to->mapToGlobal(to->rect().center()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(to, &move);
    Settle();
  }

  // A last menu whose first action opens a sub-menu of twenty actions.
  void AddCascade() {
    QMenu* menu = Bar().addMenu(kCascadeMenu);
    QMenu* sub = menu->addMenu("&More");
    for (int i = 1; i <= kItemsPerMenu; ++i) {
      sub->addAction(m_Icons[static_cast<std::size_t>(i % kIconCount)], QString("&Sub%1").arg(i));
    }
    Settle();
  }
  void Key(int key) {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(popup, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(popup, &release);
    Settle();
  }

  // A tool bar of one colour button on a line of its own, its pop-up a grid of 48 colour
  // cells, two rows of custom cells and a "More Colors" button, as the control's panel.
  void AddColourBand() {
    m_Window.addToolBarBreak();
    QToolBar* bar = m_Window.addToolBar("Colour");
    m_ColourButton = new QToolButton(bar);
    m_ColourButton->setIcon(m_Icons.front());
    bar->addWidget(m_ColourButton);
    m_ColourMenu = new QMenu(m_ColourButton);
    auto* grid = new QWidget(m_ColourMenu);
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(2);
    for (int cell = 0; cell < kPaletteCells; ++cell) {
      auto* swatch = new QToolButton(grid);
      swatch->setFixedSize(kCellSize, kCellSize);
      swatch->setStyleSheet(QString("background: #%1").arg(cell * 0x050403, 6, 16, QChar('0')));
      layout->addWidget(swatch, cell / kPaletteColumns, cell % kPaletteColumns);
    }
    layout->addWidget(new QPushButton("More Colors...", grid), kPaletteCells / kPaletteColumns, 0, 1, kPaletteColumns);
    auto* action = new QWidgetAction(m_ColourMenu);
    action->setDefaultWidget(grid);
    m_ColourMenu->addAction(action);
    Settle();
  }
  void OpenColourMenu() {
    m_ColourMenu->popup(m_ColourButton->mapToGlobal(m_ColourButton->rect().bottomLeft()));
    Settle();
  }

  QPoint CaptionPoint(int iMenu) { return Bar().actionGeometry(Bar().actions().at(iMenu - 1)).center(); }
  void Send(QEvent::Type type, QPoint pt) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, pt, Bar().mapToGlobal(pt), button, held, Qt::NoModifier);
    QApplication::sendEvent(&Bar(), &event);
  }
  // Press and release on a caption, then let the menu paint.
  void ClickCaption(int iMenu) {
    const QPoint pt = CaptionPoint(iMenu);
    Send(QEvent::MouseMove, pt);
    Send(QEvent::MouseButtonPress, pt);
    Send(QEvent::MouseButtonRelease, pt);
    Settle();
  }
  QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
  void CloseMenu() {
    if (QMenu* menu = OpenMenu()) menu->hide();
    Settle();
  }

 private:
  QMainWindow m_Window;
  std::vector<QIcon> m_Icons;
  std::vector<QToolBar*> m_ToolBars;
  QToolButton* m_ColourButton = nullptr;
  QMenu* m_ColourMenu = nullptr;
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
  for (auto _ : state) host.Window().repaint();
}
BENCHMARK(BM_FullRedraw1024x768)->Unit(benchmark::kMicrosecond);

void BM_HoverCaptionToCaption(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  const QPoint from = host.CaptionPoint(kHoverFrom);
  const QPoint to = host.CaptionPoint(kHoverFrom + 1);
  bool bThere = false;
  for (auto _ : state) {
    host.Send(QEvent::MouseMove, bThere ? from : to);
    Settle();
    bThere = !bThere;
  }
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
  bool bSecond = true;
  for (auto _ : state) {
    host.HoverTool(bSecond);
    bSecond = !bSecond;
  }
}
BENCHMARK(BM_HoverToolToTool)->Unit(benchmark::kMicrosecond);

void BM_FullRedrawWithBands(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.BuildBands();
  for (auto _ : state) host.Window().repaint();
}
BENCHMARK(BM_FullRedrawWithBands)->Unit(benchmark::kMicrosecond);

void BM_MenuOpenPaintClose20(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  for (auto _ : state) {
    host.ClickCaption(1);
    if (host.OpenMenu() == nullptr) state.SkipWithError("the menu did not open");
    host.CloseMenu();
  }
}
BENCHMARK(BM_MenuOpenPaintClose20)->Unit(benchmark::kMicrosecond);

void BM_MenuFirstPopup(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto host = std::make_unique<Host>();
    host->AddMenu("Long", items, false);
    Settle();
    state.ResumeTiming();
    host->ClickCaption(1);
    state.PauseTiming();
    if (host->OpenMenu() == nullptr) state.SkipWithError("the menu did not open");
    host->CloseMenu();
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
    host->AddMenu("Long", items, true);
    Settle();
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
  state.counters["per_item"] = benchmark::Counter(static_cast<double>(items), benchmark::Counter::kIsIterationInvariantRate |
                                                                           benchmark::Counter::kInvert);
}
BENCHMARK(BM_KeyedItemsBuild)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// With the cascade menu open and its sub-menu action active, Right opens the sub-menu and
// Left closes it again.
void BM_CascadeOpenClose(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.AddCascade();
  host.ClickCaption(kMenuCount + 1);
  host.Key(Qt::Key_Down);
  QMenu* top = host.OpenMenu();
  for (auto _ : state) {
    host.Key(Qt::Key_Right);
    if (host.OpenMenu() == top) state.SkipWithError("the sub-menu did not open");
    host.Key(Qt::Key_Left);
  }
}
BENCHMARK(BM_CascadeOpenClose)->Unit(benchmark::kMicrosecond);

// The colour pop-up of a tool opens under it and closes.
void BM_ColourPanelOpenClose(benchmark::State& state) {
  Host host;
  host.BuildMenus();
  host.BuildBands();
  host.AddColourBand();
  for (auto _ : state) {
    host.OpenColourMenu();
    if (host.OpenMenu() == nullptr) state.SkipWithError("the pop-up did not open");
    host.CloseMenu();
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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  return side_by_side::Main(argc, argv, FreshScenario);
}
