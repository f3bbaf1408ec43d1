// When the control paints: once for each drawing let and on Refresh while redraw is enabled;
// a change of visual style runs the resize routine.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenus.h"
#include "win32/desktop.h"

namespace {

using UpdateAndPaintTest = MenuBarTest;

TEST_F(UpdateAndPaintTest, DrawingLetsRepaintOnceEachWhileRedrawIsEnabled) {
  auto bar = AddBar();
  bar->EndUpdate();
  long count = Inside(*bar).PaintCount();
  bar->SetTheme(XPOlive);
  EXPECT_EQ(Inside(*bar).PaintCount(), ++count);
  bar->SetRightToLeft(VARIANT_TRUE);
  EXPECT_EQ(Inside(*bar).PaintCount(), ++count);
  bar->SetToolSpacing(2);
  EXPECT_EQ(Inside(*bar).PaintCount(), ++count);
  bar->SetMenuShadows(VARIANT_FALSE);  // stored only
  EXPECT_EQ(Inside(*bar).PaintCount(), count);
  bar->Refresh();
  EXPECT_EQ(Inside(*bar).PaintCount(), ++count);
  AddMenu("File");
  count = Inside(*bar).PaintCount();
  bar->Menus()->Item(Variant("File"))->Caption("&Datei");
  EXPECT_EQ(Inside(*bar).PaintCount(), count + 1);
}

TEST_F(UpdateAndPaintTest, VisualStyleRunsTheResizeRoutineWhenRedrawIsEnabled) {
  auto bar = AddBar();
  RecordingSink sink;
  bar->Connect(&sink);
  bar->SetVisualStyle(tsMSNet);  // redraw still off: stored only
  EXPECT_TRUE(sink.rows.empty());
  bar->EndUpdate();  // fits the control's height to the bar, which resizes it once
  sink.rows.clear();
  bar->SetVisualStyle(tsMSIE);
  EXPECT_TRUE(SameSequence({"ReSize"}, sink.rows));
  bar->Disconnect(&sink);
}

}  // namespace
