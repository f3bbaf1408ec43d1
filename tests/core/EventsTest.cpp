// Event sinks and repaints: every connected sink hears an event in connection order, may
// disconnect itself or another during it, and an error in ReSize is ignored; drawing lets
// (ClearAll among them, which does nothing when there are no menus) repaint once each while
// redraw is enabled. (A host's handler that throws: the menu stories.)
#include <gtest/gtest.h>

#include <functional>

#include "MenuBarFixture.h"
#include "container/AutomationError.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenus.h"

namespace {

using EventSinkTest = MenuBarTest;

// A resize and a change of visual style both run the resize routine; an error a sink raises
// in ReSize is ignored.
TEST_F(EventSinkTest, SinksHearAnEventInConnectionOrderMayDisconnectDuringItAndTheirReSizeErrorsAreIgnored) {
  auto bar = UpdatedBar();
  std::vector<std::string> log;
  ReSizeSink first, second, failing;
  first.onReSize = [&] { log.push_back("first ReSize"); };
  second.onReSize = [&] { log.push_back("second ReSize"); };
  failing.onReSize = [&] {
    log.push_back("failing ReSize");
    RaiseRuntimeError(runtime_error_number::Overflow);
  };
  bar->Connect(&first);
  bar->Connect(&second);
  bar->Connect(&first);  // connected once only
  bar->Connect(&failing);
  bar->Extender().SetWidth(3000);
  first.onReSize = [&] {
    log.push_back("first ReSize");
    bar->Disconnect(&first);
    bar->Disconnect(&second);
  };
  bar->Extender().SetWidth(3300);
  bar->Extender().SetWidth(3600);
  bar->SetVisualStyle(tsMSNet);
  EXPECT_EQ(bar->VisualStyle(), tsMSNet);
  EXPECT_TRUE(SameSequence({"first ReSize", "second ReSize", "failing ReSize", "first ReSize", "failing ReSize",
                            "failing ReSize", "failing ReSize"},
                           log));
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
      {"ClearAll", [&] { bar->ClearAll(); }, 1},
      {"ClearAll with no menus", [&] { bar->ClearAll(); }, 0},
  };
  for (const auto& [name, let, paints] : lets) {
    const long before = Inside(*bar).PaintCount();
    let();
    EXPECT_EQ(Inside(*bar).PaintCount() - before, paints) << name;
  }
  EXPECT_EQ(bar->Menus()->Count(), 0);
}

}  // namespace
