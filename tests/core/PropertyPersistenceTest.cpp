// Saving and loading settings through the container's property bag: keys and order, values
// omitted when equal to their save default, load defaults, and what loading leaves set.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "container/StdPicture.h"
#include "core/MirelMenuBar20Internals.h"
#include "win32/system_info.h"

namespace {

using PropertyPersistenceTest = MenuBarTest;

// The save order; BackColor and BorderColor (after AutoSelectTheme) and the caption and menu
// fore colours (after DefaultMenuItemFont), which no let changes, stay at their save defaults.
const std::vector<std::string> kSaveOrder{
    "ApplyCandyEffects",     "AutoSelectTheme",      "BandJustification",  "DefaultCaptionFont",
    "DefaultMenuFont",       "DefaultMenuItemFont",  "DefaultMenuItemForeColor", "CPMoreColors",
    "CPPalette",             "CPSystem",             "CustomBandHeight",   "DefaultBandSize",
    "DefaultMenuDropSize",   "Enabled",              "DisabledMenuForeColor", "DisabledMenuItemForeColor",
    "HighlightInfrequents",  "MenuShadows",          "RightToLeft",        "VisualStyle",
    "Theme",                 "ToolTipPreTime",       "ToolTipPostTime",    "ToolTipBackColor",
    "ToolTipForeColor",      "ToolTipBorderColor",   "ToolTipFont",        "ToolTipShadows",
    "ToolTipMaxWidth",       "ToolTipWordWrap",      "ToolSpacing",        "MenuHeaderSpacing",
    "MenuItemSpacing"};

// A new control saves only what differs from the save defaults: CustomBandHeight's is 0 while
// a control holds at least 25, ToolSpacing's is 6.
TEST_F(PropertyPersistenceTest, SavesWhatDiffersFromTheSaveDefaultsInTableOrder) {
  auto bar = AddBar(false);
  MemoryPropertyBag fresh;
  TheForm().SaveControl(*bar, fresh);
  EXPECT_TRUE(SameSequence({"CustomBandHeight", "ToolSpacing"}, fresh.Names()));
  EXPECT_EQ(CInt(fresh.ReadProperty("ToolSpacing")), 0);
  auto font = StdFont::Create("Tahoma", 11);
  ChangeEverySetting(*bar, font);
  MemoryPropertyBag bag;
  TheForm().SaveControl(*bar, bag);
  EXPECT_TRUE(SameSequence(kSaveOrder, bag.Names()));
  EXPECT_EQ(CInt(bag.ReadProperty("MenuItemSpacing")), 4);
  EXPECT_EQ(bag.ReadProperty("DefaultMenuFont").Object(), font);
}

// Values load as saved, without the lets' rules (style and theme as 32-bit values), and
// loading notifies the container of nothing.
TEST_F(PropertyPersistenceTest, LoadingStoresValuesWithoutTheLetRules) {
  MemoryPropertyBag bag;
  bag.WriteProperty("MenuItemSpacing", Variant::Integer(3));
  bag.WriteProperty("CustomBandHeight", Variant::Long(10));
  bag.WriteProperty("ToolTipPreTime", Variant::Long(40000));
  bag.WriteProperty("CPMoreColors", Variant("Mehr Farben..."));
  bag.WriteProperty("BackColor", Variant::Long(0x0000FF));
  bag.WriteProperty("VisualStyle", Variant::Long(40000));
  bag.WriteProperty("Theme", Variant::Long(-40000));
  auto bar = LoadBar(bag);
  // The custom band height 10 is raised to the smallest band, ToolSpacing takes its load default.
  const Sequence loaded{"MenuItemSpacing 3 10", "ToolSpacing 6 12", "CustomBandHeight 25", "ToolTipPreTime 40000",
                        "LocalMoreColors Mehr Farben...", "BackColor ff", "VisualStyle 40000", "Theme -40000"};
  EXPECT_TRUE(SameSequence(NewInstanceSettingsWith(loaded), SettingRows(*bar)));
  EXPECT_EQ(Inside(*bar).ToolTipPreTimer().Interval(), 40000u);
  EXPECT_TRUE(ChangedProperties().empty());
  // AutoSelectTheme takes the theme from the system's Luna colour instead.
  win32::SetVisualStyle(win32::LunaStyle("HomeStead"));
  bag.WriteProperty("AutoSelectTheme", Variant(true));
  EXPECT_EQ(LoadBar(bag)->Theme(), XPOlive);
  win32::ResetSystemInfo();
}

// A spacing that overflows ends loading at its key; a value of the wrong kind is a type mismatch.
TEST_F(PropertyPersistenceTest, LoadingRaisesOverflowAndTypeMismatch) {
  const std::pair<std::vector<std::pair<const char*, Variant>>, std::int32_t> cases[] = {
      {{{"ApplyCandyEffects", Variant(true)}, {"MenuItemSpacing", Variant::Integer(32767)},
        {"AutoSelectTheme", Variant(true)}},
       6},
      {{{"ToolTipMaxWidth", Variant("wide")}}, 13},
      {{{"DefaultMenuFont", Variant(std::make_shared<StdPicture>())}}, 13},  // an object, not a font
  };
  for (const auto& [values, error] : cases) {
    MemoryPropertyBag bag;
    for (const auto& [key, value] : values) bag.WriteProperty(key, value);
    EXPECT_EQ(ErrorOf([&] { LoadBar(bag); }), error) << values.front().first;
  }
}

// The first load is of an empty bag; an unknown visual style or theme draws as the defaults.
TEST_F(PropertyPersistenceTest, UncheckedSavedValuesDrawAsTheDefaultsAndStillDropCloseAndUnloadLeavingNothing) {
  const std::pair<const char*, Variant> cases[] = {
      {"", Variant()},                          {"MenuItemSpacing", Variant::Integer(-50)},
      {"VisualStyle", Variant::Long(7)},        {"Theme", Variant::Long(9)},
      {"Theme", Variant::Long(-1)},             {"ToolTipPreTime", Variant::Long(40000)},
      {"ToolTipPreTime", Variant::Long(70000)}, {"ToolTipPostTime", Variant::Long(-1)}};
  std::vector<COLORREF> defaultFace;
  for (const auto& [key, value] : cases) {
    {
      MemoryPropertyBag bag;
      if (*key != '\0') bag.WriteProperty(key, value);
      auto bar = LoadBar(bag);
      AddMenu("File")->MenuItems()->Add({.Caption = "&Open"});
      bar->EndUpdate();
      std::vector<COLORREF> face;
      for (int y = 0; y < bar->ScaleHeight(); ++y)
        for (int x = 0; x < bar->ScaleWidth(); ++x) face.push_back(Desktop().WindowPixel(bar->hWnd(), x, y));
      if (*key == '\0') defaultFace = face;
      const bool look = std::string(key) == "VisualStyle" || std::string(key) == "Theme";
      EXPECT_TRUE(!look || face == defaultFace) << key << " does not draw as the defaults";
      const float twips = static_cast<float>(Desktop().TwipsPerPixel());
      EXPECT_EQ(ErrorOf([&] { bar->PopUpMenu("File", 300 * twips, 200 * twips); }), 0) << key;
      EXPECT_EQ(Inside(*bar).OpenMenuWindows().size(), 1u) << key;
      EXPECT_EQ(ErrorOf([&] { Desktop().KeyPress(VK_ESCAPE); }), 0) << key;
      EXPECT_TRUE(Inside(*bar).OpenMenuWindows().empty()) << key;
      DropForm();
    }
    EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_) << key;
  }
}

}  // namespace
