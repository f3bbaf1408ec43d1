// The demo's saved settings, headless: what one run saves (style, theme, where the bands lie
// after dragging) the next run starts with.
#include <gtest/gtest.h>

#include "container/PropertyBag.h"
#include "core/automation/cBand.h"
#include "core/automation/cBands.h"
#include "demo_form/DemoForm.h"
#include "win32/desktop.h"

namespace {

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
  EXPECT_EQ(next.Bar().VisualStyle(), tsMSIE);
  EXPECT_EQ(next.Bar().Theme(), XPOlive);
  const auto drawing = next.Bar().Bands()->Item("Drawing");
  EXPECT_EQ(drawing->LineIndex(), 1);
  EXPECT_EQ(drawing->LinePosition(), 3);
}

}  // namespace
