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

TEST_F(EventSinkTest, SinksHearAnEventInConnectionOrderAndMayDisconnectThemselvesAndOthersDuringIt) {
  auto bar = UpdatedBar();
  std::vector<std::string> log;
  ReSizeSink first, second, third;
  first.onReSize = [&] { log.push_back("first ReSize"); };
  second.onReSize = [&] { log.push_back("second ReSize"); };
  third.onReSize = [&] { log.push_back("third ReSize"); };
  bar->Connect(&first);
  bar->Connect(&second);
  bar->Connect(&first);  // connected once only
  bar->Connect(&third);
  bar->Extender().SetWidth(3000);
  first.onReSize = [&] {
    log.push_back("first ReSize");
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
  auto bar = UpdatedBar();
  std::vector<std::string> log;
  ReSizeSink failing;
  failing.onReSize = [&] {
    log.push_back("failing ReSize");
    RaiseRuntimeError(runtime_error_number::Overflow);
  };
  bar->Connect(&failing);
  EXPECT_NO_THROW(bar->Extender().SetWidth(3000));
  EXPECT_NO_THROW(bar->SetVisualStyle(tsMSNet));
  EXPECT_EQ(bar->VisualStyle(), tsMSNet);
  EXPECT_TRUE(SameSequence({"failing ReSize", "failing ReSize"}, log));
  bar->Disconnect(&failing);
}

TEST_F(EventSinkTest, DrawingLetsRepaintOnceEachWhileRedrawIsEnabled) {
  auto bar = UpdatedBar();
  AddMenu("File");
  const std::tuple<const char*, std::function<void()>, long> lets[] = {
      {"Theme", [&] { bar->SetTheme(XPOlive); }, 1},
      {"RightToLeft", [&] { bar->SetRightToLeft(VARIANT_TRUE); }, 1},
      {"ToolSpacing", [&] { bar->SetToolSpacing(2); }, 1},
      {"MenuShadows", [&] { bar->SetMenuShadows(VARIANT_FALSE); }, 0},
      {"Refresh", [&] { bar->Refresh(); }, 1},
      {"Caption", [&] { bar->Menus()->Item(Variant("File"))->Caption("&Datei"); }, 1},
  };
  for (const auto& [name, let, paints] : lets) {
    const long before = Inside(*bar).PaintCount();
    let();
    EXPECT_EQ(Inside(*bar).PaintCount() - before, paints) << name;
  }
}

}  // namespace
