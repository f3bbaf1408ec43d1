// Property lets as a host makes them: normalising rules, range errors that change nothing,
// the hot-key table lets, and the container's property-changed notifications in order.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "core/MirelMenuBar20Internals.h"

namespace {

using PropertyLetsTest = MenuBarTest;

constexpr std::int32_t kTimerIntervalError = static_cast<std::int32_t>(0x800461AE);

TEST_F(PropertyLetsTest, SpacingLetsRoundOddValuesUpAndNegativeValuesToZero) {
  auto bar = AddBar();
  Sequence expected;
  Sequence actual;
  for (const auto& [let, readBack] : std::vector<std::pair<std::int16_t, std::int16_t>>{
           {3, 4}, {4, 4}, {0, 0}, {-1, 0}, {-5, 0}, {7, 8}}) {
    bar->SetMenuItemSpacing(let);
    bar->SetMenuHeaderSpacing(let);
    bar->SetToolSpacing(let);
    const std::string row = std::to_string(let) + " -> ";
    expected.push_back(row + std::to_string(readBack) + " " + std::to_string(readBack) + " " + std::to_string(readBack));
    actual.push_back(row + std::to_string(bar->MenuItemSpacing()) + " " + std::to_string(bar->MenuHeaderSpacing()) +
                     " " + std::to_string(bar->ToolSpacing()));
  }
  EXPECT_TRUE(SameSequence(expected, actual)) << "let -> MenuItemSpacing MenuHeaderSpacing ToolSpacing";
  // A spacing that no longer fits sixteen bits once rounded overflows and is not stored.
  bar->SetMenuItemSpacing(2);
  EXPECT_EQ(ErrorOf([&] { bar->SetMenuItemSpacing(32767); }), 6);
  EXPECT_EQ(bar->MenuItemSpacing(), 2);
}

TEST_F(PropertyLetsTest, MarginStaysAndCustomBandHeightIsAtLeastTwentyFive) {
  auto bar = AddBar();
  bar->SetMenuLeftMargin(40);
  EXPECT_EQ(bar->MenuLeftMargin(), 24);
  bar->SetCustomBandHeight(10);
  EXPECT_EQ(bar->CustomBandHeight(), 25);
  EXPECT_EQ(Inside(*bar).BandSize(bsCustom), 25);
  bar->SetCustomBandHeight(40);
  EXPECT_EQ(bar->CustomBandHeight(), 40);
  EXPECT_EQ(Inside(*bar).BandSize(bsCustom), 40);
  EXPECT_EQ(Inside(*bar).BandSize(bs48x48), 53);
  // The band size table holds 16-bit heights: a larger value overflows and changes nothing.
  EXPECT_EQ(ErrorOf([&] { bar->SetCustomBandHeight(40000); }), 6);
  EXPECT_EQ(bar->CustomBandHeight(), 40);
  EXPECT_EQ(Inside(*bar).BandSize(bsCustom), 40);
}

TEST_F(PropertyLetsTest, ToolTipTimesAcceptZeroToThirtyThousandElseRaiseErrorElevenAndKeepTheOldValue) {
  auto bar = AddBar();
  bar->SetToolTipPreTime(30000);
  EXPECT_EQ(Inside(*bar).ToolTipPreTimer().Interval(), 30000u);
  bar->SetToolTipPreTime(0);
  EXPECT_EQ(bar->ToolTipPreTime(), 0);
  bar->SetToolTipPreTime(2000);
  bar->SetToolTipPostTime(4000);
  TheForm().ClearPropertyChanges();
  for (std::int32_t bad : {30001, -1}) {
    for (bool pre : {true, false}) {
      const auto error = ErrorFrom([&] { pre ? bar->SetToolTipPreTime(bad) : bar->SetToolTipPostTime(bad); });
      EXPECT_EQ(error.number, kTimerIntervalError) << bad;
      EXPECT_EQ(error.source, "voxMirelMBar20.MirelMenuBar");
      EXPECT_EQ(error.description, "Invalid timer interval. Value must be between 0 and 30000 milli-seconds.");
    }
  }
  EXPECT_EQ(bar->ToolTipPreTime(), 2000);
  EXPECT_EQ(Inside(*bar).ToolTipPreTimer().Interval(), 2000u);
  EXPECT_EQ(bar->ToolTipPostTime(), 4000);
  EXPECT_EQ(Inside(*bar).ToolTipPostTimer().Interval(), 4000u);
  EXPECT_TRUE(ChangedProperties().empty());
}

TEST_F(PropertyLetsTest, HotKeyLetsChangeTheSharedTableAndCheckIndexAndBounds) {
  auto bar = AddBar();
  bar->SetHotKeyConstant(116, "Refresh");
  EXPECT_EQ(bar->HotKeyConstant(116), "Refresh");
  for (std::int16_t outside : {0, 257, -1}) EXPECT_EQ(ErrorOf([&] { bar->HotKeyConstant(outside); }), 9) << outside;

  std::vector<Variant> names(256, Variant("x"));
  bar->SetHotKeyConstants(Variant::Array(names));  // upper bound 255: ignored
  EXPECT_EQ(bar->HotKeyConstant(65), "A");
  bar->SetHotKeyConstants(Variant("A"));  // not an array: ignored
  EXPECT_EQ(bar->HotKeyConstant(65), "A");
  names.emplace_back("x");
  bar->SetHotKeyConstants(Variant::Array(names));  // 0..256: taken whole
  EXPECT_EQ(bar->HotKeyConstant(65), "x");
  EXPECT_EQ(bar->HotKeyConstant(256), "x");
}

// The shared key-name table lives while any control does: a renamed key outlives the control
// that renamed it while another lives, and a control after the last one starts afresh.
TEST_F(PropertyLetsTest, KeyNameTableIsKeptWhileAnyControlLives) {
  auto first = AddBar();
  first->SetHotKeyConstant(116, "Refresh");
  auto second = TheForm().AddControl<MirelMenuBar20>({.name = "MirelMenuBar202", .width = 3000, .height = 600});
  TheForm().RemoveControl(*first);
  EXPECT_EQ(second->HotKeyConstant(116), "Refresh");
  TheForm().RemoveControl(*second);
  EXPECT_EQ(AddBar()->HotKeyConstant(116), "F5");
}

TEST_F(PropertyLetsTest, LetsNotifyTheContainerUnderThePersistedNamesInOrder) {
  auto bar = AddBar();
  TheForm().ClearPropertyChanges();
  ChangeEverySetting(*bar, StdFont::Create("Tahoma", 9));
  bar->SetMenuLeftMargin(30);
  bar->SetHotKeyConstant(65, "A");
  EXPECT_TRUE(SameSequence(
      {"ApplyCandyEffects",     "AutoSelectTheme",       "CustomBandHeight",          "CPMoreColors",
       "CPPalette",             "CPSystem",              "DefaultBandSize",           "DefaultMenuDropSize",
       "DefaultCaptionFont",    "DefaultMenuFont",       "DefaultMenuItemFont",       "DefaultMenuItemForeColor",
       "DisabledMenuForeColor", "DisabledMenuItemForeColor", "BandJustification",     "Enabled",
       "HighlightInfrequents",  "MenuShadows",           "MenuHeaderSpacing",         "MenuItemSpacing",
       "Theme",                 "RightToLeft",           "ToolSpacing",               "ToolTipBackColor",
       "ToolTipForeColor",      "ToolTipBorderColor",    "ToolTipPreTime",            "ToolTipPostTime",
       "ToolTipFont",           "ToolTipShadows",        "ToolTipWordWrap",           "ToolTipMaxWidth",
       "VisualStyle"},
      ChangedProperties()));
}

TEST_F(PropertyLetsTest, FontLetsKeepTheHostsObjectAndEnabledReachesTheWindow) {
  auto bar = AddBar();
  auto font = StdFont::Create("Tahoma", 9);
  bar->SetDefaultMenuFont(font);
  font->SetBold(true);
  EXPECT_EQ(bar->DefaultMenuFont(), font);
  EXPECT_TRUE(bar->DefaultMenuFont()->Bold());
  bar->SetEnabled(VARIANT_FALSE);
  EXPECT_FALSE(IsWindowEnabled(bar->hWnd()));
  bar->SetEnabled(VARIANT_TRUE);
  EXPECT_TRUE(IsWindowEnabled(bar->hWnd()));
}

}  // namespace
