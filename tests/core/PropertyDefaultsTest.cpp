// What a host finds on a new instance: property defaults at design time and at run time,
// the state the rest of the control relies on, and the shared key-name table.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "container/StdFont.h"
#include "core/MirelMenuBar20Internals.h"
#include "win32/system_info.h"

namespace {

using PropertyDefaultsTest = MenuBarTest;

void ExpectNewInstanceDefaults(MirelMenuBar20& bar, const std::shared_ptr<StdFont>& ambientFont) {
  EXPECT_EQ(bar.ApplyCandyEffects(), VARIANT_FALSE);
  EXPECT_EQ(bar.AutoSelectTheme(), VARIANT_FALSE);
  EXPECT_EQ(bar.CustomBandHeight(), 25);
  EXPECT_EQ(bar.LocalMoreColors(), "More Colors...");
  EXPECT_EQ(bar.LocalPalette(), "Palette");
  EXPECT_EQ(bar.LocalSystem(), "System");
  EXPECT_EQ(bar.DefaultBandSize(), bs16x16);
  EXPECT_EQ(bar.DefaultMenuDropSize(), bs16x16);
  EXPECT_EQ(bar.DefaultCaptionFont(), ambientFont);
  EXPECT_EQ(bar.DefaultMenuFont(), ambientFont);
  EXPECT_EQ(bar.DefaultMenuItemFont(), ambientFont);
  EXPECT_EQ(bar.ToolTipFont(), ambientFont);
  EXPECT_EQ(bar.DefaultMenuItemForeColor(), 0u);
  EXPECT_EQ(bar.DisabledMenuForeColor(), 0x80000011u);
  EXPECT_EQ(bar.DisabledMenuItemForeColor(), 0x80000011u);
  EXPECT_EQ(bar.BandJustification(), VARIANT_TRUE);
  EXPECT_EQ(bar.Enabled(), VARIANT_TRUE);
  EXPECT_EQ(bar.HasFocus(), VARIANT_FALSE);
  EXPECT_EQ(bar.HighlightInfrequents(), VARIANT_TRUE);
  EXPECT_EQ(bar.MenuLeftMargin(), 24);
  EXPECT_EQ(bar.MenuShadows(), VARIANT_TRUE);
  EXPECT_EQ(bar.MenuHeaderSpacing(), 6);
  EXPECT_EQ(bar.MenuItemSpacing(), 2);
  EXPECT_EQ(bar.ToolSpacing(), 0);
  EXPECT_EQ(Inside(bar).MenuHeaderSpacingInternal(), 10);
  EXPECT_EQ(Inside(bar).MenuItemSpacingInternal(), 9);
  EXPECT_EQ(Inside(bar).ToolSpacingInternal(), 6);
  EXPECT_EQ(bar.Theme(), XPBlue);
  EXPECT_EQ(bar.RightToLeft(), VARIANT_FALSE);
  EXPECT_EQ(bar.ToolTipBackColor(), 0x80000018u);
  EXPECT_EQ(bar.ToolTipForeColor(), 0u);
  EXPECT_EQ(bar.ToolTipBorderColor(), 0u);
  EXPECT_EQ(bar.ToolTipPreTime(), 1000);
  EXPECT_EQ(bar.ToolTipPostTime(), 3000);
  EXPECT_EQ(bar.ToolTipShadows(), VARIANT_TRUE);
  EXPECT_EQ(bar.ToolTipWordWrap(), VARIANT_FALSE);
  EXPECT_EQ(bar.ToolTipMaxWidth(), 300);
  EXPECT_EQ(bar.VisualStyle(), tsMS2003);
  EXPECT_EQ(bar.BackColor(), 0xFFFFFFu);
  EXPECT_EQ(Inside(bar).BorderColor(), 0x80000003u);
  EXPECT_EQ(Inside(bar).DefaultCaptionForeColor(), 0u);
  EXPECT_EQ(Inside(bar).DefaultMenuForeColor(), 0u);
  const std::vector<std::int16_t> expectedBandSizes{25, 29, 33, 37, 53, 25};
  std::vector<std::int16_t> bandSizes;
  for (int size = bs16x16; size <= bsCustom; ++size)
    bandSizes.push_back(Inside(bar).BandSize(static_cast<ctsBandSizeConstants>(size)));
  EXPECT_EQ(bandSizes, expectedBandSizes);
}

// The same defaults at run time and at design time; a run-time instance waits for EndUpdate
// with its hover timer running, one at design time draws at once.
TEST_F(PropertyDefaultsTest, NewInstanceHasTheTabledDefaults) {
  for (const bool userMode : {true, false}) {
    SCOPED_TRACE(userMode ? "run time" : "design time");
    auto bar = AddBar(userMode);
    ExpectNewInstanceDefaults(*bar, TheForm().Font());
    EXPECT_TRUE(Inside(*bar).Initialised());
    EXPECT_EQ(Inside(*bar).RedrawEnabled(), !userMode);
    EXPECT_EQ(Inside(*bar).PaintCount() > 0, !userMode);
    if (userMode) {
      EXPECT_EQ(Inside(*bar).ToolTipPreTimer().Interval(), 1000u);
      EXPECT_EQ(Inside(*bar).ToolTipPostTimer().Interval(), 3000u);
    }
    EXPECT_EQ(Inside(*bar).Tracker().OverTimer().Enabled(), userMode);
    EXPECT_FALSE(Inside(*bar).Tracker().AutoDropTimer().Enabled());
    EXPECT_FALSE(Inside(*bar).ToolTipPreTimer().Enabled());
  }
}

TEST_F(PropertyDefaultsTest, NtPlatformFlagFollowsTheReportedSystem) {
  win32::SetOsVersion(win32::WindowsXpVersion());
  AddBar();
  EXPECT_TRUE(MirelMenuBar20Internals::IsNT());
  DropForm();
  win32::OsVersion windows98;
  windows98.platformId = VER_PLATFORM_WIN32_WINDOWS;
  win32::SetOsVersion(windows98);
  AddBar();
  EXPECT_FALSE(MirelMenuBar20Internals::IsNT());
  win32::ResetSystemInfo();
}

TEST_F(PropertyDefaultsTest, HotKeyNameTableHoldsTheKeyNamesByVirtualKey) {
  auto bar = AddBar();
  const std::vector<std::pair<std::int16_t, std::string>> expected{
      {1, "LButton"}, {8, "Back"},  {13, "Enter"},      {27, "Esc"},  {40, "Dn"},     {44, "SShot"},
      {48, "0"},      {57, "9"},    {65, "A"},          {90, "Z"},    {91, "Win"},    {96, "N0"},
      {105, "N9"},    {106, "*"},   {108, "Separator"}, {111, "/"},   {112, "F1"},    {127, "F16"},
      {144, "NumLock"}, {145, "ScrollLock"}, {5, ""},  {92, ""},     {128, ""},      {256, ""}};
  for (const auto& [key, name] : expected) EXPECT_EQ(bar->HotKeyConstant(key), name) << "key " << key;
  const Variant table = bar->HotKeyConstants();
  EXPECT_EQ(table.LBound(), 0);
  EXPECT_EQ(table.UBound(), 256);
  EXPECT_EQ(CStr(table.Element(116)), "F5");
}

}  // namespace
