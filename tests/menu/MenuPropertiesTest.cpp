// Properties of one menu as a host sets them: which lets repaint the bar, which only store,
// what an index beyond the table reports, and what a proxy reports once its control is gone.
#include <functional>
#include <string>
#include <vector>

#include "MenuBarOnForm.h"
#include "core/MirelMenuBar20Internals.h"

namespace menu_test {
namespace {

using MenuProperties = MenuBarOnForm;

struct LetCase {
  std::string property;
  std::function<void(cMenu&)> let;
  bool repaints;
};

std::vector<LetCase> MenuLets() {
  return {
      {"Caption", [](cMenu& m) { m.Caption("&Edit"); }, true},
      {"DisplayInfrequents", [](cMenu& m) { m.DisplayInfrequents(true); }, false},
      {"DisplayInfrequentState", [](cMenu& m) { m.DisplayInfrequentState(true); }, false},
      {"Enabled", [](cMenu& m) { m.Enabled(false); }, true},
      {"ForeColor", [](cMenu& m) { m.ForeColor(0xFF); }, true},
      {"FontBold", [](cMenu& m) { m.FontBold(true); }, true},
      {"FontItalic", [](cMenu& m) { m.FontItalic(true); }, true},
      {"FontStrikeThrough", [](cMenu& m) { m.FontStrikeThrough(true); }, true},
      {"FontUnderline", [](cMenu& m) { m.FontUnderline(true); }, true},
      {"HoverForeColor", [](cMenu& m) { m.HoverForeColor(0xFF00); }, false},
      {"Icon", [](cMenu& m) { m.Icon(4); }, true},
      {"IconDisabled", [](cMenu& m) { m.IconDisabled(4); }, true},
      {"IconHover", [](cMenu& m) { m.IconHover(4); }, true},
      {"ItemData", [](cMenu& m) { m.ItemData(Variant("data")); }, false},
      {"Key", [](cMenu& m) { m.Key("42"); }, false},
      {"Style", [](cMenu& m) { m.Style(tsSecondaryMenu); }, false},
      {"Tag", [](cMenu& m) { m.Tag("tag"); }, false},
      {"Visible", [](cMenu& m) { m.Visible(false); }, true},
      {"ToolTipText", [](cMenu& m) { m.ToolTipText("tip"); }, false},
  };
}

std::string Repaints(bool repaints) { return repaints ? "repaints" : "stores"; }

TEST_F(MenuProperties, LetsThatChangeTheBarRepaintItWhileRedrawIsEnabled) {
  std::shared_ptr<cMenu> menu = AddMenu("File");
  std::vector<std::string> expected, actual;
  for (const LetCase& c : MenuLets()) {
    const long before = Inside(*m_Bar).PaintCount();
    c.let(*menu);
    expected.push_back(c.property + " " + Repaints(c.repaints));
    actual.push_back(c.property + " " + Repaints(Inside(*m_Bar).PaintCount() > before));
  }
  EXPECT_EQ(actual, expected);
}

TEST_F(MenuProperties, AddingAMenuRepaintsAddingAnItemDoesNot) {
  long before = Inside(*m_Bar).PaintCount();
  std::shared_ptr<cMenu> menu = AddMenu("File");
  EXPECT_GT(Inside(*m_Bar).PaintCount(), before);
  before = Inside(*m_Bar).PaintCount();
  menu->MenuItems()->Add({.Caption = "&Open"});
  menu->MenuItems()->Item(1)->Caption("&Open...");
  EXPECT_EQ(Inside(*m_Bar).PaintCount(), before);
}

// The Key let checks neither duplicates nor numbers; Width reads the laid-out caption.
TEST_F(MenuProperties, KeyLetTakesAnyTextAndWidthIsTheLaidOutCaption) {
  std::shared_ptr<cMenu> menu = AddMenu("File");
  AddMenu("Edit");
  menu->Key("42");
  EXPECT_EQ(menu->Key(), "42");
  menu->Key("Edit");
  EXPECT_EQ(Menus()->Item(1)->Key(), "Edit");
  EXPECT_GT(menu->Width(), 0);
  EXPECT_EQ(menu->Width(), Inside(*m_Bar).MenuData().Menu(1).cMWidth);
}

TEST_F(MenuProperties, LetsBeyondTheCountFailAndStoreNothing) {
  std::shared_ptr<cMenu> menu = AddMenu("File");
  AddMenu("Edit");
  std::shared_ptr<cMenu> second = Menus()->Item(2);
  Menus()->Remove(1);
  for (const LetCase& c : MenuLets()) {
    SCOPED_TRACE(c.property);
    EXPECT_EQ(ErrorOf([&] { c.let(*second); }), kHeaderMissingOnLet);
  }
  EXPECT_EQ(menu->Caption(), "&Edit");
  EXPECT_EQ(menu->Key(), "Edit");
  for (const LetCase& c : MenuLets()) c.let(*menu);  // the first menu still takes every let
  EXPECT_EQ(menu->Key(), "42");
}

TEST_F(MenuProperties, ProxiesOfAnUnloadedControlReportIt) {
  std::shared_ptr<cMenu> menu = AddMenu("File");
  std::shared_ptr<cMenuItems> items = menu->MenuItems();
  std::shared_ptr<cMenuItem> item = items->Add({.Caption = "&Open"});
  std::shared_ptr<cMenus> menus = Menus();

  m_Form->Unload();

  EXPECT_EQ(ErrorOf([&] { menu->Caption(); }), Unloaded("cMenu"));
  EXPECT_EQ(ErrorOf([&] { menu->Caption("X"); }), Unloaded("cMenu"));
  EXPECT_EQ(ErrorOf([&] { menu->MenuItems(); }), Unloaded("cMenu"));
  EXPECT_EQ(ErrorOf([&] { menus->Count(); }), Unloaded("cMenus"));
  EXPECT_EQ(ErrorOf([&] { menus->Exists(1); }), Unloaded("cMenus"));
  EXPECT_EQ(ErrorOf([&] { menus->Add({.Key = "Edit"}); }), Unloaded("cMenus"));
  EXPECT_EQ(ErrorOf([&] { items->Count(); }), Unloaded("cMenuItems"));
  EXPECT_EQ(ErrorOf([&] { item->Checked(true); }), Unloaded("cMenuItems"));
}

}  // namespace
}  // namespace menu_test
