// What a host finds on a new instance and on one loaded from an empty bag, at run time and at
// design time, with the platform flag; the shared key-name table and its lets.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "core/MirelMenuBar20Internals.h"
#include "win32/system_info.h"

namespace {

using PropertyDefaultsTest = MenuBarTest;

// The same values either way but for ToolSpacing, which loads with its load default. A
// run-time instance waits for EndUpdate with its hover timer running; one at design time
// draws at once. The platform flag follows the system reported when the instance starts.
TEST_F(PropertyDefaultsTest, NewAndLoadedInstancesHaveTheTabledDefaults) {
  win32::OsVersion windows98;
  windows98.platformId = VER_PLATFORM_WIN32_WINDOWS;
  for (const bool loaded : {false, true}) {
    for (const bool userMode : {true, false}) {
      const std::string name = std::string(loaded ? "loaded" : "new") + (userMode ? " run time" : " design time");
      MemoryPropertyBag empty;
      win32::SetOsVersion(userMode ? win32::WindowsXpVersion() : windows98);
      auto bar = AddBar(userMode, loaded ? &empty : nullptr);
      EXPECT_EQ(MirelMenuBar20Internals::IsNT(), userMode) << name;
      EXPECT_TRUE(SameSequence(NewInstanceSettingsWith(loaded ? Sequence{"ToolSpacing 6 12"} : Sequence{}),
                               SettingRows(*bar)))
          << name;
      const MirelMenuBar20Internals& in = Inside(*bar);
      EXPECT_TRUE(in.Initialised()) << name;
      EXPECT_EQ(in.RedrawEnabled(), !userMode) << name;
      EXPECT_EQ(in.PaintCount() > 0, !userMode) << name;
      EXPECT_EQ(in.Tracker().OverTimer().Enabled(), userMode) << name;
      EXPECT_FALSE(in.Tracker().AutoDropTimer().Enabled()) << name;
      EXPECT_FALSE(in.ToolTipPreTimer().Enabled()) << name;
      if (userMode) {
        EXPECT_EQ(in.ToolTipPreTimer().Interval(), 1000u) << name;
        EXPECT_EQ(in.ToolTipPostTimer().Interval(), 3000u) << name;
      }
    }
  }
  win32::ResetSystemInfo();
}

// The table is shared and lives while any control does: a renamed key outlives the control
// that renamed it while another lives, and a control after the last one starts afresh. The
// array let takes only a whole 0..256 array.
TEST_F(PropertyDefaultsTest, KeyNameTableByVirtualKeyItsLetsAndItsLife) {
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
  for (std::int16_t outside : {0, 257, -1}) EXPECT_EQ(ErrorOf([&] { bar->HotKeyConstant(outside); }), 9) << outside;

  std::vector<Variant> names(256, Variant("x"));
  bar->SetHotKeyConstants(Variant::Array(names));  // upper bound 255: ignored
  bar->SetHotKeyConstants(Variant("A"));           // not an array: ignored
  EXPECT_EQ(bar->HotKeyConstant(65), "A");
  names.emplace_back("x");
  bar->SetHotKeyConstants(Variant::Array(names));  // 0..256: taken whole
  EXPECT_EQ(bar->HotKeyConstant(65) + bar->HotKeyConstant(256), "xx");

  bar.reset();
  auto first = AddBar();
  first->SetHotKeyConstant(116, "Refresh");
  auto second = TheForm().AddControl<MirelMenuBar20>({.name = "MirelMenuBar202", .width = 3000, .height = 600});
  TheForm().RemoveControl(*first);
  EXPECT_EQ(second->HotKeyConstant(116), "Refresh");
  TheForm().RemoveControl(*second);
  EXPECT_EQ(AddBar()->HotKeyConstant(116), "F5");
}

}  // namespace
