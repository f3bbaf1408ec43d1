// Tool-tip timing as a user meets it: the pointer rests on the elements of strip windows that
// request and cancel tips as the control's windows do, the virtual clock advances, and the
// control's one tip window is watched: when it appears, with which text, and when it goes.
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/MirelMenuBar20Internals.h"
#include "support/BarOnForm.h"
#include "support/Values.h"

namespace {

using namespace mirel_test;

constexpr std::int32_t kPreTime = 500;
constexpr std::int32_t kPostTime = 3000;
constexpr DWORD kSampleStep = 5;
constexpr int kElementWidth = 100;
constexpr RECT kStripArea{300, 300, 600, 324};
constexpr RECT kSecondStripArea{300, 500, 600, 524};
constexpr int kPointerY = 312;
const std::array<std::string, 3> kElementTips{"Open the file", "Save the file", ""};
// In a story's moves: the tips reset (a window's hover timer found the pointer gone) instead.
constexpr POINT kResetTips{-1, -1};

class ToolTipTimingTest : public BarOnForm {
 protected:
  void SetUp() override {
    BarOnForm::SetUp();
    MakeBar({.form = FormAt(20, 20), .endUpdate = false});
    m_Bar->SetToolTipPreTime(kPreTime);
    m_Bar->SetToolTipPostTime(kPostTime);
    AddStrip(kStripArea, Inside(*m_Bar).ToolTips());
    second_ = std::make_unique<ToolTipTimer>(
        pre_, post_, display_,
        [this](const std::string& text) {
          return Inside(*m_Bar).ShowToolTip(text, MirelMenuBar20Internals::kMousePosition, MirelMenuBar20Internals::kMousePosition, true);
        },
        [this] { Inside(*m_Bar).HideToolTip(); });
    second_->SetPreDelay(static_cast<std::int16_t>(kPreTime));
    second_->SetPostDelay(static_cast<std::int16_t>(kPostTime));
  }
  void TearDown() override {
    RemoveStrips();
    BarOnForm::TearDown();
  }

  // A window whose elements carry tips, fed to a tool-tip timing as the control's windows do:
  // reaching another element cancels the tip, every move requests the element's tip. Like a
  // menu window, it never takes activation from the host form.
  void AddStrip(const RECT& area, ToolTipTimer& tips) {
    strips_.push_back(CreateTestWindow("strip", area, kTestPopupStyle, WS_EX_NOACTIVATE));
    const auto element = std::make_shared<int>(-1);
    SetTestHandler(strips_.back(), [&tips, element](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
      if (message != WM_MOUSEMOVE) return std::nullopt;
      if (GET_X_LPARAM(lParam) / kElementWidth != *element) tips.CancelTip();
      *element = GET_X_LPARAM(lParam) / kElementWidth;
      tips.RequestTip(kElementTips.at(static_cast<std::size_t>(*element)));
      return std::nullopt;
    });
    Desktop().DoEvents();
  }
  void RemoveStrips() {
    for (HWND strip : strips_) {
      SetTestHandler(strip, nullptr);
      DestroyWindow(strip);
    }
    strips_.clear();
  }

  // What the user sees of the tip: its text while shown, "hidden" otherwise.
  std::string VisibleTip() const {
    HWND tip = Inside(*m_Bar).ToolTipWindow();
    if (tip == nullptr || !IsWindowVisible(tip)) return "hidden";
    char text[256] = {};
    GetWindowTextA(tip, text, static_cast<int>(sizeof text));
    return text;
  }

  // Runs the clock to `until` ms from now, moving the pointer at the given times, and returns
  // every change of the visible tip as "t=<ms> <tip>", then whether the tips are armed.
  Sequence Run(DWORD until, std::vector<std::pair<DWORD, POINT>> moves) {
    Sequence changes;
    std::string shown = VisibleTip();
    const DWORD start = Desktop().Now();
    for (DWORD t = 0; t <= until; t += kSampleStep) {
      if (Desktop().Now() - start < t) Desktop().AdvanceTime(t - (Desktop().Now() - start));
      for (const auto& [when, where] : moves) {
        if (when == t && where.x == kResetTips.x) Inside(*m_Bar).ToolTips().ResetTips();
        if (when == t && where.x != kResetTips.x) Desktop().MouseMove(where.x, where.y);
      }
      if (const std::string now = VisibleTip(); now != shown) {
        changes.push_back("t=" + std::to_string(t) + " " + now);
        shown = now;
      }
    }
    changes.push_back(Inside(*m_Bar).ToolTips().Armed() ? "armed" : "not armed");
    return changes;
  }

  static POINT OnElement(int element, int offset = 10, const RECT& area = kStripArea) {
    return POINT{area.left + element * kElementWidth + offset, (area.top + area.bottom) / 2};
  }

  std::vector<HWND> strips_;
  // A second tip-showing window's timing, with timers of its own, as a band or the drop panel has.
  Timer pre_, post_, display_;
  std::unique_ptr<ToolTipTimer> second_;
};

TEST_F(ToolTipTimingTest, TipsWaitThePreDelayFollowAtOnceWhileArmedEndAfterThePostDelayAndAreShared) {
  const struct {
    const char* story;
    DWORD until;
    std::vector<std::pair<DWORD, POINT>> moves;
    Sequence expected;
  } cases[] = {
      {"first tip waits, the next follows at once, the post-delay ends them", 8100,
       {{0, OnElement(0)}, {600, OnElement(0, 20)}, {1000, OnElement(1)}, {4500, OnElement(1, 20)}},
       {"t=625 Open the file",   // rested 0.5 s, then one move at 600, then one display tick
        "t=1000 hidden",         // the pointer reaches the next element ...
        "t=1025 Save the file",  // ... whose tip follows within 25 ms
        "t=4025 hidden",         // 3 s after the last tip was shown
        "t=5025 Save the file",  // a move at 4500 waits the whole pre-delay again
        "t=8025 hidden", "not armed"}},
      {"empty text never shows, but the wait still arms the window", 1000,
       {{0, OnElement(2)}, {600, OnElement(2, 20)}, {700, OnElement(0)}}, {"t=725 Open the file", "armed"}},
      {"another element reached during the wait starts the wait again", 1000,
       {{0, OnElement(0)}, {300, OnElement(1)}, {600, OnElement(1, 20)}, {900, OnElement(1, 30)}},
       {"t=925 Save the file", "armed"}},  // armed at 300 + 500
      {"a reset removes the tip and disarms: the next waits the whole pre-delay", 1300,
       {{0, OnElement(0)}, {600, OnElement(0, 20)}, {700, kResetTips}, {700, OnElement(1)}, {1200, OnElement(1, 20)}},
       {"t=625 Open the file", "t=700 hidden", "t=1225 Save the file", "armed"}},
      {"windows share the one tip: a change in the second cancels the first's, its own waits its pre-delay", 1700,
       {{0, OnElement(0)}, {600, OnElement(0, 20)}, {800, OnElement(1, 10, kSecondStripArea)}, {1600, OnElement(1, 20, kSecondStripArea)}},
       {"t=625 Open the file", "t=800 hidden", "t=1625 Save the file", "armed"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    Desktop().MouseMove(0, 0);  // each story starts with the pointer away and no tip armed
    Inside(*m_Bar).ToolTips().ResetTips();
    RemoveStrips();
    AddStrip(kStripArea, Inside(*m_Bar).ToolTips());
    AddStrip(kSecondStripArea, *second_);
    EXPECT_TRUE(SameSequence(c.expected, Run(c.until, c.moves)));
  }
}

TEST_F(ToolTipTimingTest, WhileArmedTheTipFollowsThePointer) {
  Run(700, {{0, OnElement(0)}, {600, OnElement(0, 20)}});
  RECT before{};
  GetWindowRect(Inside(*m_Bar).ToolTipWindow(), &before);
  Desktop().MouseMove(OnElement(0, 60).x, kPointerY);
  Desktop().AdvanceTime(25);
  RECT after{};
  GetWindowRect(Inside(*m_Bar).ToolTipWindow(), &after);
  // Moved with the pointer, below it, owned by the control's form.
  EXPECT_EQ(Values(after.left - before.left, after.top, GetWindow(Inside(*m_Bar).ToolTipWindow(), GW_OWNER)),
            Values(40, kPointerY + frmToolTip::kPointerClearance, m_Form->hWnd()));
}

// A second tip replaces the first.
TEST_F(ToolTipTimingTest, TheControlsAppearanceReachesTheTipAndShowHideAndTerminateLeaveNothing) {
  m_Bar->SetToolTipBackColor(RGB(230, 255, 230));
  m_Bar->SetToolTipBorderColor(RGB(0, 120, 0));
  m_Bar->SetToolTipShadows(VARIANT_FALSE);
  m_Bar->SetToolTipWordWrap(VARIANT_TRUE);
  m_Bar->SetToolTipMaxWidth(100);
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  auto bar = Inside(*m_Bar);
  EXPECT_EQ(Values(bar.ShowToolTip("", 100, 100, false), bar.ToolTipWindow()), Values(false, HWND{}));
  ASSERT_TRUE(bar.ShowToolTip("Print", 100, 100, false));
  ASSERT_TRUE(bar.ShowToolTip("Inserts a table with the rows and columns chosen below", 200, 200, true));
  Desktop().DoEvents();
  RECT rect{};
  GetWindowRect(bar.ToolTipWindow(), &rect);
  // The maximum width plus the margins; no shadow: the border reaches the corner.
  EXPECT_EQ(Values(rect.right - rect.left, ScreenPixel(rect.left, rect.top), ScreenPixel(rect.right - 1, rect.bottom - 1),
                   ScreenPixel(rect.left + 2, rect.top + 1)),
            Values(116, RGB(0, 120, 0), RGB(0, 120, 0), RGB(230, 255, 230)));
  bar.HideToolTip();
  Desktop().DoEvents();
  EXPECT_TRUE(bar.ToolTipWindow() == nullptr && win32::SnapshotLiveObjects() == before);

  ASSERT_TRUE(bar.ShowToolTip("Print", 100, 100, false));
  HWND tip = bar.ToolTipWindow();
  m_Form->Unload();
  EXPECT_FALSE(IsWindow(tip));
  m_Form.reset();
}

}  // namespace
