// Property lets as a host makes them: normalising rules, range errors that change nothing,
// and the container's property-changed notifications in order.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "core/MirelMenuBar20Internals.h"
#include "support/HostCalls.h"

namespace {

using PropertyLetsTest = MenuBarTest;

// Spacings round odd values up and negative values to zero; the margin stays; the custom
// band height is at least 25; tip times take 0 to 30000. A value that does not fit raises and
// changes nothing, and no raising let notifies the container.
TEST_F(PropertyLetsTest, LetsNormaliseOrRaiseAndChangeNothingWhenTheyRaise) {
  auto bar = AddBar();
  MirelMenuBar20& b = *bar;
  const auto spacings = [&](std::int16_t value) {
    b.SetMenuItemSpacing(value);
    b.SetMenuHeaderSpacing(value);
    b.SetToolSpacing(value);
    return N(b.MenuItemSpacing()) + " " + N(b.MenuHeaderSpacing()) + " " + N(b.ToolSpacing());
  };
  const auto band = [&] { return N(b.CustomBandHeight()) + " " + N(Inside(b).BandSize(bsCustom)); };
  const auto times = [&] {
    return N(b.ToolTipPreTime()) + " " + N(Inside(b).ToolTipPreTimer().Interval()) + " " + N(b.ToolTipPostTime()) +
           " " + N(Inside(b).ToolTipPostTimer().Interval());
  };
  std::vector<HostCall> calls = {
      {"spacings 3", [&] { return spacings(3); }, "4 4 4"},
      {"spacings 4", [&] { return spacings(4); }, "4 4 4"},
      {"spacings 0", [&] { return spacings(0); }, "0 0 0"},
      {"spacings -1", [&] { return spacings(-1); }, "0 0 0"},
      {"spacings -5", [&] { return spacings(-5); }, "0 0 0"},
      {"spacings 7", [&] { return spacings(7); }, "8 8 8"},
      {"MenuItemSpacing 2, 32767", [&] { return b.SetMenuItemSpacing(2), b.SetMenuItemSpacing(32767), kOk; },
       "Overflow"},
      {"MenuItemSpacing", [&] { return N(b.MenuItemSpacing()); }, "2"},
      {"MenuLeftMargin = 40", [&] { return b.SetMenuLeftMargin(40), N(b.MenuLeftMargin()); }, "24"},
      {"CustomBandHeight = 10", [&] { return b.SetCustomBandHeight(10), band(); }, "25 25"},
      {"CustomBandHeight = 40", [&] { return b.SetCustomBandHeight(40), band(); }, "40 40"},
      {"BandSize(bs48x48)", [&] { return N(Inside(b).BandSize(bs48x48)); }, "53"},
      {"CustomBandHeight = 40000", [&] { return b.SetCustomBandHeight(40000), kOk; }, "Overflow"},
      {"CustomBandHeight", band, "40 40"},
      {"ToolTipPreTime = 30000", [&] { return b.SetToolTipPreTime(30000), times(); }, "30000 30000 3000 3000"},
      {"ToolTipPreTime = 0", [&] { return b.SetToolTipPreTime(0), times(); }, "0 0 3000 3000"},
      {"times 2000 4000",
       [&] {
         b.SetToolTipPreTime(2000);
         b.SetToolTipPostTime(4000);
         return TheForm().ClearPropertyChanges(), times();
       },
       "2000 2000 4000 4000"}};
  for (const std::int32_t bad : {30001, -1}) {
    calls.push_back(
        {"ToolTipPreTime = " + N(bad), [&b, bad] { return b.SetToolTipPreTime(bad), kOk; }, "InvalidTimerInterval"});
    calls.push_back(
        {"ToolTipPostTime = " + N(bad), [&b, bad] { return b.SetToolTipPostTime(bad), kOk; }, "InvalidTimerInterval"});
  }
  calls.push_back({"times", times, "2000 2000 4000 4000"});
  calls.push_back({"notified", [&] { return N(static_cast<long>(ChangedProperties().size())); }, "0"});
  EXPECT_TRUE(SameOutcomes(calls));
}

// Lets that persist nothing (MenuLeftMargin, a key name) notify nothing.
TEST_F(PropertyLetsTest, LetsNotifyTheContainerUnderThePersistedNamesInOrder) {
  auto bar = AddBar();
  TheForm().ClearPropertyChanges();
  const Sequence names = ChangeEverySetting(*bar, StdFont::Create("Tahoma", 9));
  bar->SetMenuLeftMargin(30);
  bar->SetHotKeyConstant(65, "A");
  EXPECT_TRUE(SameSequence(names, ChangedProperties()));
}

}  // namespace
