// Property lets as a host makes them: normalising rules, range errors that change nothing,
// the hot-key table lets, and the container's property-changed notifications in order.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "container/AutomationError.h"
#include "container/StdFont.h"

namespace {

using PropertyLetsTest = MenuBarTest;

constexpr std::int32_t kTimerIntervalError = static_cast<std::int32_t>(0x800461AE);

TEST_F(PropertyLetsTest, SpacingLetsRoundOddValuesUpAndNegativeValuesToZero) {
  auto bar = AddBar();
  struct Case {
    std::int16_t let;
    std::int16_t readBack;
  };
  const std::vector<Case> cases{{3, 4}, {4, 4}, {0, 0}, {-1, 0}, {-5, 0}, {7, 8}};
  for (const Case& c : cases) {
    bar->SetMenuItemSpacing(c.let);
    EXPECT_EQ(bar->MenuItemSpacing(), c.readBack) << "MenuItemSpacing = " << c.let;
    EXPECT_EQ(bar->MenuItemSpacingInternal(), c.readBack + 7);
    bar->SetMenuHeaderSpacing(c.let);
    EXPECT_EQ(bar->MenuHeaderSpacing(), c.readBack) << "MenuHeaderSpacing = " << c.let;
    EXPECT_EQ(bar->MenuHeaderSpacingInternal(), c.readBack + 4);
    bar->SetToolSpacing(c.let);
    EXPECT_EQ(bar->ToolSpacing(), c.readBack) << "ToolSpacing = " << c.let;
    EXPECT_EQ(bar->ToolSpacingInternal(), c.readBack + 6);
  }
}

TEST_F(PropertyLetsTest, SpacingThatNoLongerFitsSixteenBitsOverflows) {
  auto bar = AddBar();
  try {
    bar->SetMenuItemSpacing(32767);
    FAIL() << "no overflow";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 6);
  }
  EXPECT_EQ(bar->MenuItemSpacing(), 2);
}

TEST_F(PropertyLetsTest, MenuLeftMarginStaysTwentyFour) {
  auto bar = AddBar();
  bar->SetMenuLeftMargin(40);
  EXPECT_EQ(bar->MenuLeftMargin(), 24);
}

TEST_F(PropertyLetsTest, CustomBandHeightBelowTwentyFiveBecomesTwentyFive) {
  auto bar = AddBar();
  bar->SetCustomBandHeight(10);
  EXPECT_EQ(bar->CustomBandHeight(), 25);
  EXPECT_EQ(bar->BandSize(bsCustom), 25);
  bar->SetCustomBandHeight(40);
  EXPECT_EQ(bar->CustomBandHeight(), 40);
  EXPECT_EQ(bar->BandSize(bsCustom), 40);
  EXPECT_EQ(bar->BandSize(bs48x48), 53);
}

TEST_F(PropertyLetsTest, ToolTipTimesAcceptZeroToThirtyThousand) {
  auto bar = AddBar();
  bar->SetToolTipPreTime(30000);
  EXPECT_EQ(bar->ToolTipPreTime(), 30000);
  EXPECT_EQ(bar->ToolTipPreTimer().Interval(), 30000u);
  bar->SetToolTipPreTime(0);
  EXPECT_EQ(bar->ToolTipPreTime(), 0);
  bar->SetToolTipPostTime(12345);
  EXPECT_EQ(bar->ToolTipPostTime(), 12345);
  EXPECT_EQ(bar->ToolTipPostTimer().Interval(), 12345u);
}

TEST_F(PropertyLetsTest, ToolTipTimesOutsideTheRangeRaiseErrorElevenAndKeepTheOldValue) {
  auto bar = AddBar();
  bar->SetToolTipPreTime(2000);
  bar->SetToolTipPostTime(4000);
  TheForm().ClearPropertyChanges();
  for (std::int32_t bad : {30001, -1}) {
    for (bool pre : {true, false}) {
      try {
        pre ? bar->SetToolTipPreTime(bad) : bar->SetToolTipPostTime(bad);
        FAIL() << "no error for " << bad;
      } catch (const AutomationError& error) {
        EXPECT_EQ(error.Number(), kTimerIntervalError);
        EXPECT_EQ(error.Source(), "voxMirelMBar20.MirelMenuBar");
        EXPECT_EQ(error.Description(), "Invalid timer interval. Value must be between 0 and 30000 milli-seconds.");
      }
    }
  }
  EXPECT_EQ(bar->ToolTipPreTime(), 2000);
  EXPECT_EQ(bar->ToolTipPreTimer().Interval(), 2000u);
  EXPECT_EQ(bar->ToolTipPostTime(), 4000);
  EXPECT_EQ(bar->ToolTipPostTimer().Interval(), 4000u);
  EXPECT_TRUE(ChangedProperties().empty());
}

TEST_F(PropertyLetsTest, HotKeyConstantLetChangesTheSharedTableAndChecksItsIndex) {
  auto bar = AddBar();
  bar->SetHotKeyConstant(116, "Refresh");
  EXPECT_EQ(bar->HotKeyConstant(116), "Refresh");
  for (std::int16_t outside : {std::int16_t{0}, std::int16_t{257}, std::int16_t{-1}}) {
    try {
      bar->HotKeyConstant(outside);
      FAIL() << "no error for " << outside;
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), 9);
    }
  }
}

TEST_F(PropertyLetsTest, HotKeyConstantsLetNeedsUpperBoundTwoFiftySix) {
  auto bar = AddBar();
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

TEST_F(PropertyLetsTest, LetsNotifyTheContainerUnderThePersistedNamesInOrder) {
  auto bar = AddBar();
  TheForm().ClearPropertyChanges();
  auto font = StdFont::Create("Tahoma", 9);
  bar->SetApplyCandyEffects(VARIANT_TRUE);
  bar->SetAutoSelectTheme(VARIANT_TRUE);
  bar->SetCustomBandHeight(30);
  bar->SetLocalMoreColors("Weitere Farben...");
  bar->SetLocalPalette("Palette");
  bar->SetLocalSystem("System");
  bar->SetDefaultBandSize(bs24x24);
  bar->SetDefaultMenuDropSize(bs32x32);
  bar->SetDefaultCaptionFont(font);
  bar->SetDefaultMenuFont(font);
  bar->SetDefaultMenuItemFont(font);
  bar->SetDefaultMenuItemForeColor(0xFF);
  bar->SetDisabledMenuForeColor(0xFF);
  bar->SetDisabledMenuItemForeColor(0xFF);
  bar->SetBandJustification(VARIANT_FALSE);
  bar->SetEnabled(VARIANT_FALSE);
  bar->SetHighlightInfrequents(VARIANT_FALSE);
  bar->SetMenuShadows(VARIANT_FALSE);
  bar->SetMenuHeaderSpacing(2);
  bar->SetMenuItemSpacing(2);
  bar->SetTheme(XPOlive);
  bar->SetRightToLeft(VARIANT_TRUE);
  bar->SetToolSpacing(2);
  bar->SetToolTipBackColor(0);
  bar->SetToolTipForeColor(0);
  bar->SetToolTipBorderColor(0);
  bar->SetToolTipPreTime(10);
  bar->SetToolTipPostTime(10);
  bar->SetToolTipFont(font);
  bar->SetToolTipShadows(VARIANT_FALSE);
  bar->SetToolTipWordWrap(VARIANT_TRUE);
  bar->SetToolTipMaxWidth(200);
  bar->SetVisualStyle(tsMSNet);
  bar->SetMenuLeftMargin(30);
  bar->SetHotKeyConstant(65, "A");
  const std::vector<std::string> expected{
      "ApplyCandyEffects",     "AutoSelectTheme",       "CustomBandHeight",   "CPMoreColors",
      "CPPalette",             "CPSystem",              "DefaultBandSize",    "DefaultMenuDropSize",
      "DefaultCaptionFont",    "DefaultMenuFont",       "DefaultMenuItemFont", "DefaultMenuItemForeColor",
      "DisabledMenuForeColor", "DisabledMenuItemForeColor", "BandJustification", "Enabled",
      "HighlightInfrequents",  "MenuShadows",           "MenuHeaderSpacing",  "MenuItemSpacing",
      "Theme",                 "RightToLeft",           "ToolSpacing",        "ToolTipBackColor",
      "ToolTipForeColor",      "ToolTipBorderColor",    "ToolTipPreTime",     "ToolTipPostTime",
      "ToolTipFont",           "ToolTipShadows",        "ToolTipWordWrap",    "ToolTipMaxWidth",
      "VisualStyle"};
  EXPECT_TRUE(SameTable(expected, ChangedProperties()));
}

TEST_F(PropertyLetsTest, FontLetsKeepTheHostsObject) {
  auto bar = AddBar();
  auto font = StdFont::Create("Tahoma", 9);
  bar->SetDefaultMenuFont(font);
  font->SetBold(true);
  EXPECT_EQ(bar->DefaultMenuFont(), font);
  EXPECT_TRUE(bar->DefaultMenuFont()->Bold());
}

TEST_F(PropertyLetsTest, EnabledReachesTheControlWindow) {
  auto bar = AddBar();
  bar->SetEnabled(VARIANT_FALSE);
  EXPECT_FALSE(IsWindowEnabled(bar->hWnd()));
  EXPECT_EQ(bar->Enabled(), VARIANT_FALSE);
  bar->SetEnabled(VARIANT_TRUE);
  EXPECT_TRUE(IsWindowEnabled(bar->hWnd()));
}

}  // namespace
