// Events and repaints: every connected sink hears an event in connection order, may
// disconnect itself or another during it, and an error in ReSize is ignored; an exception
// from a host's handler reaches the host's own call into the message loop unchanged, leaving
// the control as if the menus had been closed; drawing lets repaint once each while redraw is
// enabled.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "MenuBarFixture.h"
#include "container/AutomationError.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenus.h"
#include "support/ControlInvariants.h"
#include "win32/desktop.h"

namespace {

using EventSinkTest = MenuBarTest;

class NamedSink : public __MirelMenuBar20 {
 public:
  NamedSink(std::string name, std::vector<std::string>& log) : m_Name(std::move(name)), m_Log(log) {}
  std::function<void()> onReSize;
  void ReSize() override {
    m_Log.push_back(m_Name + " ReSize");
    if (onReSize) onReSize();
  }

 private:
  std::string m_Name;
  std::vector<std::string>& m_Log;
};

TEST_F(EventSinkTest, SinksHearAnEventInConnectionOrderAndMayDisconnectThemselvesAndOthersDuringIt) {
  auto bar = AddBar();
  bar->EndUpdate();
  std::vector<std::string> log;
  NamedSink first("first", log);
  NamedSink second("second", log);
  NamedSink third("third", log);
  bar->Connect(&first);
  bar->Connect(&second);
  bar->Connect(&first);  // connected once only
  bar->Connect(&third);
  bar->Extender().SetWidth(3000);
  first.onReSize = [&] {
    bar->Disconnect(&first);
    bar->Disconnect(&second);
  };
  bar->Extender().SetWidth(3300);
  bar->Extender().SetWidth(3600);
  EXPECT_TRUE(SameSequence(
      {"first ReSize", "second ReSize", "third ReSize", "first ReSize", "third ReSize", "third ReSize"}, log));
  bar->Disconnect(&third);
}

// A resize and a change of visual style both run the resize routine.
TEST_F(EventSinkTest, AnErrorInReSizeIsIgnoredWhoeverRunsTheResize) {
  auto bar = AddBar();
  bar->EndUpdate();
  std::vector<std::string> log;
  NamedSink failing("failing", log);
  failing.onReSize = [] { RaiseRuntimeError(runtime_error_number::Overflow); };
  bar->Connect(&failing);
  EXPECT_NO_THROW(bar->Extender().SetWidth(3000));
  EXPECT_NO_THROW(bar->SetVisualStyle(tsMSNet));
  EXPECT_EQ(bar->VisualStyle(), tsMSNet);
  EXPECT_TRUE(SameSequence({"failing ReSize", "failing ReSize"}, log));
  bar->Disconnect(&failing);
}

TEST_F(EventSinkTest, DrawingLetsRepaintOnceEachWhileRedrawIsEnabled) {
  auto bar = AddBar();
  bar->EndUpdate();
  AddMenu("File");
  const std::pair<const char*, std::function<void()>> lets[] = {
      {"Theme", [&] { bar->SetTheme(XPOlive); }},
      {"RightToLeft", [&] { bar->SetRightToLeft(VARIANT_TRUE); }},
      {"ToolSpacing", [&] { bar->SetToolSpacing(2); }},
      {"MenuShadows", [&] { bar->SetMenuShadows(VARIANT_FALSE); }},
      {"Refresh", [&] { bar->Refresh(); }},
      {"Caption", [&] { bar->Menus()->Item(Variant("File"))->Caption("&Datei"); }},
  };
  Sequence actual;
  for (const auto& entry : lets) {
    const long before = Inside(*bar).PaintCount();
    entry.second();
    actual.push_back(std::string(entry.first) + " paints " + std::to_string(Inside(*bar).PaintCount() - before));
  }
  EXPECT_TRUE(SameSequence({"Theme paints 1", "RightToLeft paints 1", "ToolSpacing paints 1", "MenuShadows paints 0",
                            "Refresh paints 1", "Caption paints 1"},
                           actual));
}

constexpr DWORD kPastDoubleClick = 600;

struct HostFault : std::runtime_error {
  HostFault() : std::runtime_error("the host's handler failed") {}
};

// Throws from the one event it is told to.
class ThrowingHost : public __MirelMenuBar20 {
 public:
  std::string throwIn;
  void MenuOnDrop(std::int16_t, std::string) override { Throw("MenuOnDrop"); }
  void MenuItemMouseDown(std::int16_t, std::string, std::int16_t, std::string, std::int16_t, std::int16_t, float,
                         float) override {
    Throw("MenuItemMouseDown");
  }
  void MenuItemClick(std::int16_t, std::string, std::int16_t, std::string) override { Throw("MenuItemClick"); }
  void MenuMouseMove(std::int16_t, std::string, std::int16_t, std::int16_t, float, float) override {
    Throw("MenuMouseMove");
  }

 private:
  void Throw(const char* event) {
    if (throwIn == event) throw HostFault();
  }
};

using HostException = mirel_test::BarOnForm;

TEST_F(HostException, ReachesTheHostUnchangedAndLeavesTheMenusClosed) {
  MakeBar({.endUpdate = false});
  auto items = AddMenu("File")->MenuItems();
  items->Add({.Caption = "&New", .Key = "New"});
  items->Add({.Caption = "&Open", .Key = "Open"});
  m_Bar->EndUpdate();
  ThrowingHost host;
  m_Bar->Connect(&host);
  const POINT file = CaptionPoint(1);
  const auto dropFile = [&] {
    Desktop().MouseMove(file.x, file.y);
    Desktop().Click(win32::MouseButton::Left);
  };
  const auto onFirstRow = [&](bool click) {  // in the dropped menu, then a press or a click
    dropFile();
    RECT rc{};
    GetWindowRect(Inside(*m_Bar).OpenMenuWindows().back(), &rc);
    Desktop().MouseMove(rc.left + 30, rc.top + 10);
    click ? Desktop().Click(win32::MouseButton::Left) : Desktop().MouseDown(win32::MouseButton::Left);
  };
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"MenuOnDrop", dropFile},
      {"MenuMouseMove", [&] { Desktop().MouseMove(file.x + 1, file.y); }},
      {"MenuItemMouseDown", [&] { onFirstRow(false); }},
      {"MenuItemClick", [&] { onFirstRow(true); }},
  };
  for (const auto& [event, act] : cases) {
    host.throwIn = event;
    EXPECT_THROW(act(), HostFault) << event;
    host.throwIn.clear();
    Desktop().MouseUp(win32::MouseButton::Left);
    Desktop().DoEvents();
    EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty()) << event;
    EXPECT_EQ(GetCapture(), nullptr) << event;
    EXPECT_TRUE(mirel_test::BrokenInvariants(*m_Bar).empty()) << event;
    // The control still works (a moment later: no double click).
    Desktop().AdvanceTime(kPastDoubleClick);
    dropFile();
    EXPECT_EQ(Inside(*m_Bar).OpenMenuWindows().size(), 1u) << event;
    m_Bar->HideAllMenus();
    Desktop().MouseMove(0, 500);
    Desktop().AdvanceTime(kPastDoubleClick);
  }
  m_Bar->Disconnect(&host);
}

}  // namespace
