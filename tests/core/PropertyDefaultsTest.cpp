// What a host finds on a new instance: property defaults at design time and at run time,
// the state the rest of the control relies on, and the shared key-name table.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "core/MirelMenuBar20Internals.h"
#include "win32/system_info.h"

namespace {

using PropertyDefaultsTest = MenuBarTest;

// The same defaults at run time and at design time; a run-time instance waits for EndUpdate
// with its hover timer running, one at design time draws at once.
TEST_F(PropertyDefaultsTest, NewInstanceHasTheTabledDefaults) {
  for (const bool userMode : {true, false}) {
    SCOPED_TRACE(userMode ? "run time" : "design time");
    auto bar = AddBar(userMode);
    EXPECT_TRUE(SameSequence(NewInstanceSettingsWith({}), SettingRows(*bar)));
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
