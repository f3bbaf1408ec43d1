// Event sinks and repaints: every connected sink hears an event in connection order, may
// disconnect itself or another during it, and an error in ReSize is ignored; drawing lets
// repaint once each while redraw is enabled. (A host's handler that throws: the menu stories.)
#include <gtest/gtest.h>

#include <functional>

#include "MenuBarFixture.h"
#include "container/AutomationError.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenus.h"

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

}  // namespace
