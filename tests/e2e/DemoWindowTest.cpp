// The demo in a real window on a private X server, driven by xdotool as a user drives it: the
// bar, sub-menus, keys, clicks elsewhere and another window, hot keys, the context menu, File >
// Exit, the Tools menus, the tool bands. The demo prints one line per event, which must come in
// order; screenshots must show what the same form renders headless (a replica driven with the
// same input in this process). Each test starts the demo once and covers what one session can.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "XSession.h"
#include "core/MirelMenuBar20Internals.h"
#include "demo_form/DemoAim.h"
#include "demo_form/DemoForm.h"
#include "drop/MirelDrop.h"
#include "support/BarOnForm.h"
#include "support/MessageLog.h"
#include "win32/desktop.h"

namespace {

using mirel_test::SameSequence;
using mirel_test::Sequence;
using mirel_test::WindowRect;

constexpr int kScreenWidth = 1024, kScreenHeight = 768;
constexpr char kWindowTitle[] = "MirelMenuBar20 demo";
constexpr int kFileMenu = 1, kEditMenu = 2, kToolsMenu = 6, kRecentFilesItem = 6;
constexpr int kLeftButton = 1, kRightButton = 3;  // X button numbers
constexpr POINT kDocumentPoint{300, 400};
constexpr DWORD kSubMenuDelay = 1100;  // the menu window's hover timer is 1000 ms
// Real time passes between two user actions; the replica lets as much pass after each one.
constexpr DWORD kActionPause = 150;
constexpr std::chrono::milliseconds kEventLimit{8000}, kScreenLimit{8000}, kPollStep{50};

// The event fields that identify what happened: name, menu index and key, item index and key.
std::string Summary(const std::string& line) {
  std::istringstream in(line);
  std::string field, summary;
  for (int i = 0; i < 5 && in >> field; ++i) summary += (i == 0 ? "" : " ") + field;
  return summary;
}

bool IsMove(const std::string& line) { return line.find("MouseMove") != std::string::npos; }

class DemoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XSession::ToolsAvailable()) GTEST_SKIP() << "Xvfb, xdotool or ImageMagick's import is not installed";
    m_Output = std::filesystem::path(MIREL_E2E_OUTPUT) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(m_Output);
    m_X = std::make_unique<XSession>(kScreenWidth, kScreenHeight);
    ASSERT_TRUE(m_X->Ready()) << "the X server did not start";
    // A fresh settings file: the demo starts from the defaults the replica has.
    const std::filesystem::path settings = m_Output / "settings.json";
    std::filesystem::remove(settings);
    m_Demo = std::make_unique<ChildProcess>(
        std::vector<std::string>{MIREL_DEMO_PROGRAM, "--size", std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight),
                                 "--dpi", "96", "--settings", settings.string()},
        m_X->Environment(), (m_Output / "events.txt").string());
    ASSERT_TRUE(m_Demo->Started());
    m_DemoWindow = WindowId(kWindowTitle);
    ASSERT_FALSE(m_DemoWindow.empty()) << "no demo window";
    ASSERT_TRUE(WaitForLines(1, "Ready"));
    const auto geometry = m_X->Xdotool({"getwindowgeometry", "--shell", m_DemoWindow});  // WINDOW=, X=, Y=, ...
    ASSERT_TRUE(geometry && std::sscanf(geometry->c_str(), "WINDOW=%*d X=%d Y=%d", &m_Origin.x, &m_Origin.y) == 2);
    win32::TheDesktop().Reset(win32::DesktopOptions{kScreenWidth, kScreenHeight, win32::kDefaultDpi});
    m_Replica = std::make_unique<DemoForm>(DemoFormOptions{.width = kScreenWidth, .height = kScreenHeight}, nullptr);
    win32::TheDesktop().DoEvents();
  }

  void TearDown() override {
    m_Replica.reset();
    m_Demo.reset();
    m_X.reset();
  }

  // The X id of the first window titled `title`, once it exists; empty when it never does.
  std::string WindowId(const std::string& title) const {
    std::istringstream ids(m_X->Xdotool({"search", "--sync", "--name", title}).value_or(""));
    std::string id;
    ids >> id;
    return id;
  }

  // Every line the demo printed, in order.
  std::vector<std::string> AllLines() const {
    std::ifstream in(m_Output / "events.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  // The menu events so far, without pointer moves and coordinates.
  std::vector<std::string> MenuEvents() const {
    std::vector<std::string> events;
    for (const std::string& line : AllLines())
      if (line.rfind("Menu", 0) == 0 && !IsMove(line)) events.push_back(Summary(line));
    return events;
  }

  // Waits until `line` has been printed `count` times (as a menu event summary or a plain line).
  bool WaitForLines(std::size_t count, const std::string& line) const {
    const auto deadline = std::chrono::steady_clock::now() + kEventLimit;
    for (;;) {
      std::size_t seen = 0;
      for (const std::string& l : AllLines()) seen += (l == line || (!IsMove(l) && Summary(l) == line)) ? 1 : 0;
      if (seen >= count) return true;
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(kPollStep);
    }
  }

  // The pointer to a point of the replica's screen, in the replica and in the real window.
  void MoveTo(POINT pt) {
    win32::TheDesktop().MouseMove(pt.x, pt.y);
    win32::TheDesktop().AdvanceTime(kActionPause);
    m_X->Xdotool({"mousemove", std::to_string(m_Origin.x + pt.x), std::to_string(m_Origin.y + pt.y)});
  }

  // A click there with X button `button`.
  void ClickAt(POINT pt, int button = kLeftButton) {
    MoveTo(pt);
    win32::TheDesktop().Click(button == kRightButton ? win32::MouseButton::Right : win32::MouseButton::Left);
    win32::TheDesktop().AdvanceTime(kActionPause);
    m_X->Xdotool({"click", std::to_string(button)});
  }

  // A key pressed and released, by its X name and its virtual key, optionally with Ctrl.
  void Key(const std::string& name, int vk, bool ctrl = false) {
    if (ctrl) win32::TheDesktop().KeyDown(VK_CONTROL);
    win32::TheDesktop().KeyPress(vk);
    if (ctrl) win32::TheDesktop().KeyUp(VK_CONTROL);
    win32::TheDesktop().AdvanceTime(kActionPause);
    m_X->Xdotool({"key", ctrl ? "ctrl+" + name : name});
  }

  // Drops bar menu iMenu with a click; its window, or nothing when the replica dropped none.
  HWND DropFromBar(int iMenu) {
    ClickAt(CaptionPoint(Bar(), iMenu));
    const std::vector<HWND> dropped = Inside(Bar()).OpenMenuWindows();
    return dropped.size() == 1 ? dropped.back() : nullptr;
  }

  // Drops bar menu iMenu and rests on its row iItem until the sub-menu opens.
  HWND CascadeFrom(int iMenu, int iItem) {
    const HWND dropped = DropFromBar(iMenu);
    if (dropped == nullptr) return nullptr;
    MoveTo(RowPoint(dropped, iItem));
    win32::TheDesktop().AdvanceTime(kSubMenuDelay);
    const std::vector<HWND> cascaded = Inside(Bar()).OpenMenuWindows();
    return cascaded.size() == 2 ? cascaded.back() : nullptr;
  }

  // A click on item iItem of bar menu iMenu.
  void ChooseFromBar(int iMenu, int iItem) {
    const HWND dropped = DropFromBar(iMenu);
    ASSERT_NE(dropped, nullptr);
    ClickAt(RowPoint(dropped, iItem));
  }

  RECT BarRect() const { return WindowRect(m_Replica->Bar().hWnd()); }

  // Takes screenshots (kept as "<name>.png") until `area` of the real window shows what the
  // replica shows there, or time runs out; the pixels that still differ (-1: no screenshot).
  int Mismatches(const RECT& area, const std::string& name) {
    const win32::Surface& expected = win32::TheDesktop().Screen();
    const auto deadline = std::chrono::steady_clock::now() + kScreenLimit;
    for (;;) {
      const auto shot = m_X->Screenshot((m_Output / (name + ".png")).string());
      int mismatches = -1;
      if (shot) {
        mismatches = 0;
        for (int y = area.top; y < area.bottom; ++y)
          for (int x = area.left; x < area.right; ++x)
            mismatches += shot->At(m_Origin.x + x, m_Origin.y + y) != expected.At(x, y) ? 1 : 0;
      }
      if (mismatches == 0 || std::chrono::steady_clock::now() >= deadline) return mismatches;
      std::this_thread::sleep_for(kPollStep);
    }
  }

  MirelMenuBar20& Bar() { return m_Replica->Bar(); }

  std::filesystem::path m_Output;
  std::unique_ptr<XSession> m_X;
  std::unique_ptr<ChildProcess> m_Demo;
  std::unique_ptr<DemoForm> m_Replica;
  std::string m_DemoWindow;
  POINT m_Origin{0, 0};
};

TEST_F(DemoWindowTest, MouseKeysClicksElsewhereAndHotKeysDriveTheMenusAndTheEventsComeInOrder) {
  // A click drops File; sliding along the bar hot-tracks to Edit and back.
  DropFromBar(kFileMenu);
  ASSERT_TRUE(WaitForLines(1, "MenuOnDrop 1 File"));
  MoveTo(CaptionPoint(Bar(), kEditMenu));
  ASSERT_TRUE(WaitForLines(1, "MenuOnDrop 2 Edit"));
  MoveTo(CaptionPoint(Bar(), kFileMenu));
  ASSERT_TRUE(WaitForLines(2, "MenuOnDrop 1 File"));

  // Resting on Recent Files cascades its sub-menu.
  const std::vector<HWND> dropped = Inside(Bar()).OpenMenuWindows();
  ASSERT_EQ(dropped.size(), 1U);
  MoveTo(RowPoint(dropped.back(), kRecentFilesItem));
  win32::TheDesktop().AdvanceTime(kSubMenuDelay);
  const std::vector<HWND> cascaded = Inside(Bar()).OpenMenuWindows();
  ASSERT_EQ(cascaded.size(), 2U) << "the replica did not cascade";
  const RECT fileMenu = WindowRect(cascaded.front()), subMenu = WindowRect(cascaded.back());
  RECT both{};
  UnionRect(&both, &fileMenu, &subMenu);
  // Equal pixels include each window's shadow over the white document and the highlighted row,
  // which the headless menu tests check in the replica.
  EXPECT_EQ(Mismatches(both, "file-and-recent-files"), 0) << "pixels of the open menus that differ from the headless rendering";

  // A click on the second recent file.
  ClickAt(RowPoint(cascaded.back(), 2));
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 9 RecentMenu 2 Recent2"));

  // Alt, the mnemonic of Edit, Down and Enter choose Undo.
  Key("alt", VK_MENU);
  Key("e", 'E');
  ASSERT_TRUE(WaitForLines(2, "MenuOnDrop 2 Edit"));
  Key("Down", VK_DOWN);
  Key("Return", VK_RETURN);
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 2 Edit 1 Undo"));

  // Menus close on a click in the document and when another X window takes the keyboard, and
  // the bar never keeps the keyboard from the document.
  DropFromBar(kFileMenu);
  ASSERT_TRUE(WaitForLines(3, "MenuOnDrop 1 File"));
  ClickAt(kDocumentPoint);
  ASSERT_TRUE(WaitForLines(3, "MenuOnClose 1 File")) << "a click in the document left the menu open";
  EXPECT_TRUE(Inside(Bar()).OpenMenuWindows().empty());

  DropFromBar(kEditMenu);
  ASSERT_TRUE(WaitForLines(3, "MenuOnDrop 2 Edit"));
  {
    // A small window of another program in the screen's corner, gone again afterwards.
    constexpr char kOther[] = "Another application";
    ChildProcess other({"display", "-title", kOther, "-resize", "16x16", "-geometry", "+1000+744", "logo:"},
                       m_X->Environment());
    const std::string otherWindow = WindowId(kOther);
    ASSERT_FALSE(otherWindow.empty()) << "no other window";
    m_X->Xdotool({"windowfocus", "--sync", otherWindow});
    win32::TheDesktop().SetApplicationActive(false);
    ASSERT_TRUE(WaitForLines(3, "MenuOnClose 2 Edit")) << "the menu stayed open when another window took the focus";
    m_X->Xdotool({"windowfocus", "--sync", m_DemoWindow});
    win32::TheDesktop().SetApplicationActive(true);
  }

  ClickAt(kDocumentPoint);
  ChooseFromBar(kEditMenu, 1);  // Undo
  ASSERT_TRUE(WaitForLines(2, "MenuItemClick 2 Edit 1 Undo"));
  Key("a", 'A');
  EXPECT_TRUE(WaitForLines(1, "Typed a")) << "typed text did not reach the document";
  // Hot keys choose their items with no menu open.
  Key("s", 'S', true);
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 1 File 3 Save"));
  Key("F5", VK_F1 + 4);
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 3 View 11 Refresh"));
  Key("n", 'N', true);
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 1 File 1 New"));

  EXPECT_TRUE(SameSequence(
      {"MenuOnDrop 1 File", "MenuOnClose 1 File", "MenuOnDrop 2 Edit", "MenuOnClose 2 Edit", "MenuOnDrop 1 File",
       "MenuItemMouseDown 9 RecentMenu 2 Recent2", "MenuItemMouseUp 9 RecentMenu 2 Recent2", "MenuOnClose 1 File",
       "MenuItemClick 9 RecentMenu 2 Recent2", "MenuOnDrop 2 Edit", "MenuItemMouseUp 2 Edit 1 Undo", "MenuOnClose 2 Edit",
       "MenuItemClick 2 Edit 1 Undo", "MenuOnDrop 1 File", "MenuOnClose 1 File", "MenuOnDrop 2 Edit", "MenuOnClose 2 Edit",
       "MenuOnDrop 2 Edit", "MenuItemMouseDown 2 Edit 1 Undo", "MenuItemMouseUp 2 Edit 1 Undo", "MenuOnClose 2 Edit",
       "MenuItemClick 2 Edit 1 Undo", "MenuItemClick 1 File 3 Save", "MenuItemClick 3 View 11 Refresh",
       "MenuItemClick 1 File 1 New"},
      MenuEvents()));
}

TEST_F(DemoWindowTest, RightClickInTheDocumentOpensTheContextMenuAndExitEndsTheDemoCleanly) {
  ClickAt(kDocumentPoint, kRightButton);
  const std::vector<HWND> popped = Inside(Bar()).OpenMenuWindows();
  ASSERT_EQ(popped.size(), 1U) << "the replica opened no context menu";
  const RECT context = WindowRect(popped.back());
  EXPECT_EQ(context.left, kDocumentPoint.x);
  EXPECT_EQ(context.top, kDocumentPoint.y);
  EXPECT_EQ(Mismatches(context, "context-menu"), 0) << "pixels of the context menu that differ from the headless rendering";
  Key("Escape", VK_ESCAPE);

  // File > Exit closes the form: the demo ends with nothing left alive (status 0).
  const HWND file = DropFromBar(kFileMenu);
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(WaitForLines(1, "MenuOnDrop 1 File"));
  ClickAt(RowPoint(file, 12));  // Exit
  const std::optional<int> status = m_Demo->WaitForExit(std::chrono::seconds(10));
  ASSERT_TRUE(status.has_value()) << "the demo did not end";
  EXPECT_EQ(*status, 0) << "the demo reported objects left alive";
  EXPECT_EQ(MenuEvents().back(), "MenuItemClick 1 File 12 Exit");
}

TEST_F(DemoWindowTest, ToolsMenuSwitchesStyleThemeAndReadingOrder) {
  const HWND styles = CascadeFrom(kToolsMenu, 1);  // Style >
  ASSERT_NE(styles, nullptr) << "the replica did not cascade the style menu";
  Mismatches(WindowRect(styles), "style-menu");  // real time must let the sub-menu open first
  ClickAt(RowPoint(styles, 3));  // Internet Explorer
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 13 StyleMenu 3 StyleIE"));
  EXPECT_EQ(Mismatches(BarRect(), "internet-explorer-bar"), 0) << "pixels of the bar in the new style that differ from the headless rendering";

  const HWND themes = CascadeFrom(kToolsMenu, 2);  // Theme >
  ASSERT_NE(themes, nullptr) << "the replica did not cascade the theme menu";
  Mismatches(WindowRect(themes), "theme-menu");
  ClickAt(RowPoint(themes, 3));  // Olive
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 14 ThemeMenu 3 ThemeOlive"));
  EXPECT_EQ(Mismatches(BarRect(), "olive-bar"), 0) << "pixels of the olive bar that differ from the headless rendering";

  ChooseFromBar(kToolsMenu, 3);  // Right to left
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick 6 Tools 3 RightToLeft"));
  EXPECT_EQ(Mismatches(BarRect(), "right-to-left-bar"), 0) << "pixels of the mirrored bar that differ from the headless rendering";
  Sequence expected;
  for (const char* item : {"13 StyleMenu 3 StyleIE", "14 ThemeMenu 3 ThemeOlive", "6 Tools 3 RightToLeft"}) {
    const std::string i = item;
    expected.insert(expected.end(), {"MenuOnDrop 6 Tools", "MenuItemMouseDown " + i, "MenuItemMouseUp " + i,
                                     "MenuOnClose 6 Tools", "MenuItemClick " + i});
  }
  EXPECT_TRUE(SameSequence(expected, MenuEvents()));
}

// The bands in the real window: a toggle formats the document, the Insert tool drops its menu
// and an item from it reaches the document, a colour picked in the font colour's picker and a
// symbol from the symbol grid reach it too, the drawing band is dragged up to the first line.
TEST_F(DemoWindowTest, ToolBandsShowUnderTheBarToolsFormatInsertAndBandsMoveBetweenLines) {
  const auto bands = Bar().Bands();
  ASSERT_EQ(bands->Count(), 3);
  const auto standard = bands->Item("Standard");
  const auto drawing = bands->Item("Drawing");
  EXPECT_EQ(standard->Top(), Inside(Bar()).BarHeight() + 1);
  EXPECT_GT(drawing->Top(), standard->Top() + standard->Height()) << "the drawing band is on the second line";
  EXPECT_EQ(Mismatches(BarRect(), "bands"), 0) << "pixels of the bar and its bands that differ from the headless rendering";

  ClickAt(ToolArrowPoint(Bar(), "Formatting", "Bold"));
  ASSERT_TRUE(WaitForLines(1, "ToolButtonClick 2 Formatting 4 Bold"));
  EXPECT_TRUE(bands->Item("Formatting")->Tools()->Item("Bold")->State());

  ClickAt(ToolArrowPoint(Bar(), "Standard", "Insert"));
  ASSERT_TRUE(WaitForLines(1, "OnDropDown 1 Standard 11 Insert"));
  const std::vector<HWND> dropped = Inside(Bar()).OpenMenuWindows();
  ASSERT_EQ(dropped.size(), 1U) << "the replica opened no menu";
  ClickAt(RowPoint(dropped.back(), 2));
  ASSERT_TRUE(WaitForLines(1, "OnDropClose 1 Standard 11 Insert"));
  const int insertMenu = Bar().Menus()->Item("InsertToolMenu")->Index();
  ASSERT_TRUE(WaitForLines(1, "MenuItemClick " + std::to_string(insertMenu) + " InsertToolMenu 2 InsTable"));

  // The font colour's picker: a palette colour reaches the document; the symbol grid inserts.
  const auto panelPoint = [&](const char* band, POINT client) {
    const MirelDrop* drop = Inside(Bar()).BandData().DropHost(bands->Item(band)->Index());
    const RECT rc = drop != nullptr ? WindowRect(drop->PopupWindow()) : RECT{};
    return POINT{rc.left + client.x, rc.top + client.y};
  };
  ClickAt(ToolArrowPoint(Bar(), "Formatting", "FontColor"));
  ASSERT_TRUE(WaitForLines(1, "OnDropDown 2 Formatting 12 FontColor"));
  const RECT red = DropPanelLayout::CellRect({1, 2});
  const RECT page = DropPanelLayout::PageRect();
  ClickAt(panelPoint("Formatting", {page.left + (red.left + red.right) / 2, page.top + (red.top + red.bottom) / 2}));
  ASSERT_TRUE(WaitForLines(1, "ColorSelect 2 Formatting 12 FontColor 255"));
  ClickAt(ToolArrowPoint(Bar(), "Drawing", "Symbol"));
  ASSERT_TRUE(WaitForLines(1, "OnDropDown 3 Drawing 5 Symbol"));
  const RECT first = DropPanelLayout::HotCellInner(0, 0, Inside(Bar()).BandData().DropHost(drawing->Index())->Panel().Setup().cell);
  ClickAt(panelPoint("Drawing", {DropPanelLayout::kGridOrigin.x + first.left + 2, DropPanelLayout::kGridOrigin.y + first.top + 2}));
  ASSERT_TRUE(WaitForLines(1, "DropIconClick 3 Drawing 5 Symbol 1 Copyright"));

  // Dragged by its gripper to the first line, after the formatting band.
  POINT grip{2, 10};
  ClientToScreen(Inside(Bar()).BandData().Surface(drawing->Index()).hWnd(), &grip);
  MoveTo(grip);
  win32::TheDesktop().MouseDown(win32::MouseButton::Left);
  m_X->Xdotool({"mousedown", "1"});
  MoveTo(POINT{grip.x + 700, grip.y - 30});
  std::this_thread::sleep_for(std::chrono::milliseconds(400));  // the demo's drag timer follows the pointer
  win32::TheDesktop().MouseUp(win32::MouseButton::Left);
  m_X->Xdotool({"mouseup", "1"});
  EXPECT_EQ(drawing->LineIndex(), 1);
  EXPECT_EQ(Mismatches(BarRect(), "bands-after-drag"), 0) << "pixels of the bar and its bands that differ from the headless rendering";
}

}  // namespace
