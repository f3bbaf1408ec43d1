// Long random runs against the demo form, headless. Random mouse moves, presses, drags and
// keys (Alt, mnemonics, arrows, Esc, Enter, hot keys, function keys) and clock advances,
// with the control's invariants checked after every step and the live-object counters at
// the end; and create/build/open/close/destroy cycles whose resident memory must stay flat.
// The suite runs a short version; MIREL_SOAK_STEPS and MIREL_SOAK_CYCLES set the full run.
// Also the demo's saved settings: what one run saves (style, theme, where the bands lie after
// dragging) the next run starts with.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iostream>
#include <random>

#include "core/automation/cBand.h"
#include "core/automation/cBands.h"
#include "demo_form/DemoForm.h"
#include "support/ControlInvariants.h"
#include "support/Values.h"
#include "win32/desktop.h"
#include "win32/objcount.h"

namespace {

constexpr long kDefaultSteps = 20000;
constexpr long kCheckedBuildSteps = 3000;  // the sanitizers make each step some ten times slower
constexpr long kDefaultCycles = 400;
constexpr int kScreenWidth = 1024, kScreenHeight = 768;
constexpr int kBarStripHeight = 60;  // the caption row and a little below, where most moves go
constexpr DWORD kLongestPause = 1500;
constexpr std::size_t kRecentSteps = 12;
constexpr int kF4 = VK_F1 + 3, kF5 = VK_F1 + 4, kF7 = VK_F1 + 6;

long FromEnvironment(const char* name, long byDefault) {
  const char* value = std::getenv(name);
  return value ? std::atol(value) : byDefault;
}

// Resident memory of this process in KiB.
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  long kib = 0;
  for (std::string field; status >> field;)
    if (field == "VmRSS:" && status >> kib) break;
  return kib;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kUnderAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

class RandomUser {
 public:
  explicit RandomUser(unsigned seed) : m_Random(seed) {}

  // One step: what it did, for the report of a broken invariant.
  std::string Step() {
    win32::Desktop& desktop = win32::TheDesktop();
    const int choice = Pick(0, 99);
    if (choice < 40) {
      const int x = Pick(-2, kScreenWidth + 2);
      const int y = Pick(0, 1) == 0 ? Pick(0, kBarStripHeight) : Pick(-2, kScreenHeight + 2);
      desktop.MouseMove(x, y);
      return "move " + std::to_string(x) + "," + std::to_string(y);
    }
    if (choice < 55) {
      const auto button = Pick(0, 4) == 0 ? win32::MouseButton::Right : win32::MouseButton::Left;
      const bool down = Pick(0, 1) == 0;  // a down, moves, then an up is a drag
      down ? desktop.MouseDown(button) : desktop.MouseUp(button);
      return down ? "press" : "release";
    }
    if (choice < 85) return PressKey();
    const DWORD ms = Pick(0, 3) == 0 ? static_cast<DWORD>(Pick(0, kLongestPause)) : static_cast<DWORD>(Pick(0, 60));
    desktop.AdvanceTime(ms);
    return "wait " + std::to_string(ms);
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_Random); }

  std::string PressKey() {
    static const int kKeys[] = {VK_MENU, VK_MENU, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_ESCAPE, VK_RETURN, VK_F10,
                                'F', 'E', 'V', 'I', 'O', 'T', 'W', 'H', 'N', 'S', 'Z', 'X', 'C', 'A', 'R', 'P',
                                VK_DELETE, VK_F1, kF4, kF5, kF7, VK_F12, VK_SPACE, VK_TAB};
    win32::Desktop& desktop = win32::TheDesktop();
    const int vk = kKeys[Pick(0, static_cast<int>(std::size(kKeys)) - 1)];
    const bool ctrl = Pick(0, 3) == 0, shift = Pick(0, 9) == 0;  // in this order
    if (ctrl) desktop.KeyDown(VK_CONTROL);
    if (shift) desktop.KeyDown(VK_SHIFT);
    desktop.KeyPress(vk);
    if (shift) desktop.KeyUp(VK_SHIFT);
    if (ctrl) desktop.KeyUp(VK_CONTROL);
    return std::string(ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "") + "key " + std::to_string(vk);
  }

  std::mt19937 m_Random;
};

// Takes a quit the demo posted (Exit): the host's loop would end there.
bool TakeQuit() {
  MSG msg{};
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.message == WM_QUIT;
}

// The last steps up to `step`, oldest first.
std::string Recent(const std::array<std::string, kRecentSteps>& recent, long step) {
  std::string text;
  for (long s = std::max(0L, step - static_cast<long>(kRecentSteps) + 1); s <= step; ++s)
    text += "  " + std::to_string(s) + ": " + recent[static_cast<std::size_t>(s) % kRecentSteps] + "\n";
  return text;
}

TEST(Soak, RandomInteractionWithTheDemoKeepsEveryInvariantAndLeavesNothing) {
  const long steps = FromEnvironment("MIREL_SOAK_STEPS", kUnderAddressSanitizer ? kCheckedBuildSteps : kDefaultSteps);
  for (const unsigned seed : {1u, 2u}) {
    win32::TheDesktop().Reset(win32::DesktopOptions{kScreenWidth, kScreenHeight, win32::kDefaultDpi});
    const win32::LiveObjectCounts atStart = win32::SnapshotLiveObjects();
    RandomUser user(seed);
    std::array<std::string, kRecentSteps> recent;
    long exits = 0;
    {
      auto demo = std::make_unique<DemoForm>(DemoFormOptions{.width = kScreenWidth, .height = kScreenHeight}, nullptr);
      for (long step = 0; step < steps; ++step) {
        recent[static_cast<std::size_t>(step) % recent.size()] = user.Step();
        const std::vector<std::string> broken = mirel_test::BrokenInvariants(demo->Bar());
        ASSERT_TRUE(broken.empty()) << "seed " << seed << ", step " << step << ": " << broken.front() << "\n"
                                    << Recent(recent, step);
        if (TakeQuit()) {  // Exit was chosen: the application ends and starts again
          ++exits;
          demo.reset();
          demo = std::make_unique<DemoForm>(DemoFormOptions{.width = kScreenWidth, .height = kScreenHeight}, nullptr);
        }
      }
    }
    win32::TheDesktop().MouseUp(win32::MouseButton::Left);
    win32::TheDesktop().MouseUp(win32::MouseButton::Right);
    win32::TheDesktop().DoEvents();
    EXPECT_EQ(win32::SnapshotLiveObjects(), atStart) << "seed " << seed;
    std::cout << "seed " << seed << ": " << steps << " random steps, " << exits << " exits, counters back to start\n";
  }
}

// One host's life: a form with a bar, menus with items and a sub-menu, a drop by key, a
// cascade, a pop-up, everything closed and the form unloaded.
void OneLifeCycle() {
  Form form(FormOptions{.width = 600, .height = 400, .font = {}});
  auto bar = form.AddControl<MirelMenuBar20>({"MirelMenuBar201", 0, 0, 9000, 600});
  form.Show();
  auto file = bar->Menus()->Add({.Key = "File", .Caption = "&File", .Enabled = true});
  file->MenuItems()->Add({.Caption = "&Open...", .Key = "Open", .HotKey = "Ctrl+O"});
  file->MenuItems()->Add({.Style = tsSubMenu, .Caption = "&Recent", .SubMenuName = "Recent"});
  auto recent = bar->Menus()->Add({.Key = "Recent", .Caption = "Recent", .Style = tsSecondaryMenu});
  recent->MenuItems()->Add({.Caption = "&1 Report.doc"});
  bar->EndUpdate();
  win32::Desktop& desktop = win32::TheDesktop();
  for (const int vk : {VK_MENU, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}) desktop.KeyPress(vk);
  const auto twips = static_cast<float>(desktop.TwipsPerPixel());
  bar->PopUpMenu("File", 200 * twips, 200 * twips);
  bar->HideAllMenus();
  form.Unload();
}

TEST(Soak, CreateOpenCloseDestroyCyclesKeepMemoryFlat) {
  const long cycles = FromEnvironment("MIREL_SOAK_CYCLES", kDefaultCycles);
  win32::TheDesktop().Reset();
  const win32::LiveObjectCounts atStart = win32::SnapshotLiveObjects();
  const long warmUp = std::max(1L, cycles / 10);
  for (long i = 0; i < warmUp; ++i) OneLifeCycle();
  const long warm = ResidentKiB();
  for (long i = warmUp; i < cycles; ++i) OneLifeCycle();
  const long end = ResidentKiB();
  EXPECT_EQ(win32::SnapshotLiveObjects(), atStart);
  std::cout << cycles << " cycles: resident " << warm << " KiB after " << warmUp << ", " << end << " KiB at the end\n";
  // The sanitizer's quarantine holds freed memory back on purpose; its leak check covers that build.
  constexpr long kAllowedGrowthKiB = 1024;
  if (!kUnderAddressSanitizer) { EXPECT_LE(end - warm, kAllowedGrowthKiB); }
}

TEST(DemoSettings, StyleThemeAndBandPlacesComeBackAtTheNextStart) {
  win32::TheDesktop().Reset(win32::DesktopOptions{1024, 768, win32::kDefaultDpi});
  MemoryPropertyBag saved;
  {
    DemoForm first(DemoFormOptions{.width = 1024, .height = 768}, nullptr);
    first.Bar().SetVisualStyle(tsMSIE);
    first.Bar().SetTheme(XPOlive);
    const auto drawing = first.Bar().Bands()->Item("Drawing");
    drawing->LineIndex(1);
    drawing->LinePosition(3);
    first.SaveSettings(saved);
  }
  DemoForm next(DemoFormOptions{.width = 1024, .height = 768, .saved = &saved}, nullptr);
  const auto drawing = next.Bar().Bands()->Item("Drawing");
  EXPECT_EQ(mirel_test::Values(next.Bar().VisualStyle(), next.Bar().Theme(), drawing->LineIndex(), drawing->LinePosition()),
            mirel_test::Values(tsMSIE, XPOlive, 1, 3));
}

}  // namespace
