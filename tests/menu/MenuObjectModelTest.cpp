// The Menus and MenuItems collections and their proxies as a host uses them: keys given and
// generated, positions and keys as indexes, removal and clearing, the values a new menu or
// item takes, exclusive check groups, which lets repaint the bar, and the error each misuse
// reports. Most checks are host calls in order, each with what it returns or raises.
#include "MenuBarOnForm.h"
#include "support/HostCalls.h"

namespace menu_test {
namespace {

using MenuObjectModel = MenuBarOnForm;

// The keys of a collection's members in order, comma separated.
template <typename Collection>
std::string Keys(const Collection& members) {
  std::string keys;
  for (int i = 1; i <= members.Count(); ++i) keys += (i > 1 ? "," : "") + members.Item(i)->Key();
  return keys;
}

TEST_F(MenuObjectModel, MenusCallsInOrder) {
  AddMenu("File");
  AddMenu("Edit");
  std::shared_ptr<cMenu> second, third, first;
  EXPECT_TRUE(SameOutcomes({
      {"Item(\"2\").Key", [&] { return Menus()->Item("2")->Key(); }, "Edit"},
      {"Item(1).Key", [&] { return Menus()->Item(1)->Key(); }, "File"},
      {"(2.0).Key", [&] { return (*Menus())(Variant(2.0))->Key(); }, "Edit"},
      {"Item(0)", [&] { return Menus()->Item(0)->Key(); }, "HeaderMissing"},
      {"Item(3)", [&] { return Menus()->Item(3)->Key(); }, "HeaderMissing"},
      {"Item(\"-1\")", [&] { return Menus()->Item("-1")->Key(); }, "HeaderMissing"},
      {"Remove(3)", [&] { return Menus()->Remove(3), kOk; }, "HeaderMissing"},
      // Keys compare exactly; Exists never fails; an unknown key is nothing and removes nothing.
      {"Exists 0, 3, file, \"File \", File, 1, \"1\"",
       [&] {
         return B(Menus()->Exists(0)) + B(Menus()->Exists(3)) + B(Menus()->Exists("file")) +
                B(Menus()->Exists("File ")) + B(Menus()->Exists("File")) + B(Menus()->Exists(1)) +
                B(Menus()->Exists("1"));
       },
       "falsefalsefalsefalsetruetruetrue"},
      {"Item(\"file\")", [&] { return B(Menus()->Item("file") == nullptr); }, "true"},
      {"Remove(\"Help\")", [&] { return Menus()->Remove("Help"), kOk; }, "ok"},
      {"Count", [&] { return N(Menus()->Count()); }, "2"},
      // Removal moves later menus down; proxies keep their position.
      {"Add View", [&] { return AddMenu("View")->Key(); }, "View"},
      {"Item(2), Item(3)", [&] { return second = Menus()->Item(2), third = Menus()->Item(3), kOk; }, "ok"},
      {"Remove(2)", [&] { return Menus()->Remove(2), Keys(*Menus()); }, "File,View"},
      {"second.Key", [&] { return second->Key(); }, "View"},
      {"third.Key", [&] { return third->Key(); }, "SubscriptOutOfRange"},
      {"third.Caption = Gone", [&] { return third->Caption("Gone"), kOk; }, "HeaderMissingOnLet"},
      // The Key let checks neither duplicates nor numbers; Width reads the laid-out caption.
      {"Item(1).Key = 42", [&] { return Menus()->Item(1)->Key("42"), Menus()->Item(1)->Key(); }, "42"},
      {"Item(1).Key = View", [&] { return Menus()->Item(1)->Key("View"), Keys(*Menus()); }, "View,View"},
      {"Item(1).Width", [&] { return B(Menus()->Item(1)->Width() == Record(1).cMWidth && Record(1).cMWidth > 0); },
       "true"},
      // Clear empties the table; keyless adds number the key after the count without checking it is free.
      {"Clear", [&] { return first = Menus()->Item(1), Menus()->Clear(), N(Menus()->Count()); }, "0"},
      {"first.Caption", [&] { return first->Caption(); }, "SubscriptOutOfRange"},
      {"Add One, Two",
       [&] { return Menus()->Add({.Caption = "One"}), Menus()->Add({.Caption = "Two"}), Keys(*Menus()); }, "M1,M2"},
      {"Remove M1, Add Three",
       [&] { return Menus()->Remove("M1"), Menus()->Add({.Caption = "Three"}), Keys(*Menus()); }, "M2,M2"},
      {"Item(\"M2\") Caption, Index",
       [&] { return Menus()->Item("M2")->Caption() + " " + N(Menus()->Item("M2")->Index()); }, "Two 1"},
      // Keys in use and numbers are rejected and add nothing; keys compare exactly.
      {"Clear, Add File", [&] { return Menus()->Clear(), AddMenu("File")->Key(); }, "File"},
      {"Add File", [&] { return Menus()->Add({.Key = "File"})->Key(); }, "KeyInUse cMenus"},
      {"Add 1", [&] { return Menus()->Add({.Key = "1"})->Key(); }, "TypeMismatch cMenus"},
      {"Add file", [&] { return Menus()->Add({.Key = "file"})->Key(); }, "file"},
      {"Add \"\"", [&] { return "[" + Menus()->Add({.Key = ""})->Key() + "]"; }, "[]"},
      {"Add \"\" again", [&] { return Menus()->Add({.Key = ""})->Key(); }, "KeyInUse cMenus"},
      {"Count", [&] { return N(Menus()->Count()); }, "3"},
  }));
}

TEST_F(MenuObjectModel, MenuItemsCallsInOrderThenProxiesOfTheUnloadedControl) {
  const std::shared_ptr<cMenuItems> file = AddMenu("File")->MenuItems();
  const std::shared_ptr<cMenuItems> edit = AddMenu("Edit")->MenuItems();
  std::shared_ptr<cMenuItem> last, icon;
  std::shared_ptr<cMenu> menu;
  std::shared_ptr<cMenus> menus;
  EXPECT_TRUE(SameOutcomes({
      // Keyless and empty keys number within each menu; keys are per menu.
      {"File: New, Open \"\", Save Save",
       [&] {
         file->Add({.Caption = "&New"});
         file->Add({.Caption = "&Open", .Key = ""});
         file->Add({.Caption = "&Save", .Key = "Save"});
         return Keys(*file);
       },
       "MI1,MI2,Save"},
      {"Edit: Undo, Save Save",
       [&] {
         edit->Add({.Caption = "&Undo"});
         edit->Add({.Caption = "&Save", .Key = "Save"});
         return Keys(*edit);
       },
       "MI1,Save"},
      {"File Add Save", [&] { return file->Add({.Key = "Save"})->Key(); }, "KeyInUse cMenuItems"},
      {"File Add 7", [&] { return file->Add({.Key = "7"})->Key(); }, "TypeMismatch cMenuItems"},
      {"File Add save", [&] { return file->Add({.Key = "save"})->Key(); }, "save"},
      // Indexes resolve within the menu.
      {"File Item(\"Undo\")", [&] { return B(file->Item("Undo") == nullptr); }, "true"},
      {"Edit (\"1\").Caption", [&] { return (*edit)("1")->Caption(); }, "&Undo"},
      {"File Item(0)", [&] { return file->Item(0)->Key(); }, "HeaderMissing"},
      {"File Item(5)", [&] { return file->Item(5)->Key(); }, "HeaderMissing"},
      {"File Remove(5)", [&] { return file->Remove(5), kOk; }, "HeaderMissing"},
      {"File Remove(\"Undo\")", [&] { return file->Remove("Undo"), N(file->Count()); }, "4"},
      // Items beyond the arrays report Subscript out of range.
      {"last = Item(4), Remove(1)", [&] { return last = file->Item(4), file->Remove(1), Keys(*file); },
       "MI2,Save,save"},
      {"last.Caption", [&] { return last->Caption(); }, "SubscriptOutOfRange"},
      {"last.Caption = X", [&] { return last->Caption("X"), kOk; }, "SubscriptOutOfRange"},
      {"last.GroupID = 1", [&] { return last->GroupID(1), kOk; }, "SubscriptOutOfRange"},
      {"Item(1).Caption", [&] { return file->Item(1)->Caption(); }, "&Open"},
      // Icon indexes outside sixteen bits overflow and store nothing.
      {"Add icon 1", [&] { return icon = file->Add({.Caption = "&Icon", .Icon = 1}), N(icon->IconIndex()); }, "1"},
      {"IconIndex = 40000", [&] { return icon->IconIndex(40000), kOk; }, "Overflow"},
      {"IconDisabledIndex = -32769", [&] { return icon->IconDisabledIndex(-32769), kOk; }, "Overflow"},
      {"IconHoverIndex = 32768", [&] { return icon->IconHoverIndex(32768), kOk; }, "Overflow"},
      {"IconIndex", [&] { return N(icon->IconIndex()); }, "1"},
      {"IconIndex = -32768", [&] { return icon->IconIndex(-32768), N(icon->IconIndex()); }, "-32768"},
      // Clearing one menu's items leaves the menu and the other menus as they were.
      {"File Clear",
       [&] { return file->Clear(), N(file->Count()) + " " + Menus()->Item(1)->Caption() + " " + N(edit->Count()); },
       "0 &File 2"},
      // Proxies taken before the form unloads report the unloaded control.
      {"Unload", [&] { return menu = Menus()->Item(2), menus = Menus(), last = edit->Item(1), m_Form->Unload(), kOk; },
       "ok"},
      {"menu.Caption", [&] { return menu->Caption(); }, "Unloaded cMenu"},
      {"menu.Caption = X", [&] { return menu->Caption("X"), kOk; }, "Unloaded cMenu"},
      {"menu.MenuItems", [&] { return menu->MenuItems(), kOk; }, "Unloaded cMenu"},
      {"menus.Count", [&] { return N(menus->Count()); }, "Unloaded cMenus"},
      {"menus.Exists(1)", [&] { return B(menus->Exists(1)); }, "Unloaded cMenus"},
      {"menus.Add Help", [&] { return menus->Add({.Key = "Help"})->Key(); }, "Unloaded cMenus"},
      {"edit.Count", [&] { return N(edit->Count()); }, "Unloaded cMenuItems"},
      {"last.Checked = True", [&] { return last->Checked(true), kOk; }, "Unloaded cMenuItems"},
  }));
}

// One menu or item as Add stored it: an icon stands for the disabled and hover icons unless
// it is 0; a secondary menu is always enabled; a new item is visible, in no group, and takes
// the fore colour default of the moment it is added; Enabled is stored as -1 or 0.
TEST_F(MenuObjectModel, AddStoresItsArgumentsWithTheIconAndSecondaryMenuRules) {
  const std::vector<MenuAddArgs> adds = {
      {.Key = "A", .Icon = 3},
      {.Key = "B", .Icon = 0},
      {.Key = "C", .Enabled = true, .Icon = 5, .IconDisabled = 7},
      {.Key = "D", .Style = tsSecondaryMenu, .Enabled = false, .IconHover = 2},
      {.Key = "E", .Style = tsPrimaryMenu, .DisplayInfrequents = true},
  };
  Sequence actual;
  for (const MenuAddArgs& args : adds) {
    const std::shared_ptr<cMenu> m = Menus()->Add(args);
    actual.push_back(m->Key() + ": style " + N(m->Style()) + " enabled " + B(m->Enabled()) + " icons " + N(m->Icon()) +
                     " " + N(m->IconDisabled()) + " " + N(m->IconHover()) + " visible " + B(m->Visible()) +
                     " infrequents shown " + B(m->DisplayInfrequentState()) + " fore " + N(m->ForeColor()) +
                     " items " + N(m->MenuItems()->Count()) + " data " + B(IsMissing(m->ItemData())));
  }
  const auto items = Menus()->Item(1)->MenuItems();
  m_Bar->SetDefaultMenuItemForeColor(0x00112233);
  const std::shared_ptr<cMenuItem> recent =
      items->Add({.Caption = "&Recent", .Checked = true, .Enabled = false, .Icon = 3});
  m_Bar->SetDefaultMenuItemForeColor(0x80000008);
  items->Add({.Caption = "&Close", .Icon = 0});
  for (const int i : {1, 2}) {
    const std::shared_ptr<cMenuItem> item = items->Item(i);
    actual.push_back(item->Caption() + ": checked " + B(item->Checked()) + " enabled " + B(item->Enabled()) +
                     " icons " + N(item->IconDisabledIndex()) + " " + N(item->IconHoverIndex()) + " visible " +
                     B(item->Visible()) + " grouped " + B(item->Grouped()) + " group " + N(item->GroupID()) +
                     " fore " + N(static_cast<long>(item->ForeColor())));
  }
  for (const bool enabled : {true, false}) {
    recent->Enabled(enabled);
    actual.push_back("stored enabled " + N(Inside(*m_Bar).MenuData().Item(1, 1).cMIEnabled));
  }
  EXPECT_TRUE(SameSequence(
      {"A: style 0 enabled false icons 3 3 3 visible true infrequents shown false fore 0 items 0 data true",
       "B: style 0 enabled false icons 0 -1 -1 visible true infrequents shown false fore 0 items 0 data true",
       "C: style 0 enabled true icons 5 7 5 visible true infrequents shown false fore 0 items 0 data true",
       "D: style 1 enabled true icons -1 -1 2 visible true infrequents shown false fore 0 items 0 data true",
       "E: style 0 enabled false icons -1 -1 -1 visible true infrequents shown false fore 0 items 0 data true",
       "&Recent: checked true enabled false icons 3 3 visible true grouped false group 0 fore 1122867",
       "&Close: checked false enabled true icons -1 -1 visible true grouped false group 0 fore 2147483656",
       "stored enabled -1", "stored enabled 0"},
      actual));
}

// Checking a grouped item unchecks the other grouped items of its group in every menu;
// unchecking leaves the group alone; group records move with their items and menus, and
// clearing a menu's items drops them.
TEST_F(MenuObjectModel, CheckGroupsAcrossMenusAndTheirRecordsThroughRemovalAndClearing) {
  constexpr std::int16_t kGroup = 7;
  const auto view = AddMenu("View")->MenuItems();
  const auto format = AddMenu("Format")->MenuItems();
  const std::tuple<std::shared_ptr<cMenuItems>, const char*, bool, std::int16_t> setups[] = {
      {view, "Large", true, kGroup},  {view, "Small", true, kGroup},      {view, "Ruler", false, kGroup},
      {format, "Bold", true, kGroup}, {format, "Wrap", true, kGroup + 1}, {format, "Grid", false, kGroup}};
  const auto checked = [&] {
    std::string c;
    for (const auto& [items, key, grouped, group] : setups)
      if (items->Item(key) && items->Item(key)->Checked()) c += std::string(key) + " ";
    return c;
  };
  for (const auto& [items, key, grouped, group] : setups) {
    const auto item = items->Add({.Caption = key, .Checked = true, .Key = key});
    item->Grouped(grouped);
    item->GroupID(group);
  }
  view->Item("Small")->Checked(true);
  EXPECT_EQ(checked(), "Small Ruler Wrap Grid ");
  view->Item("Small")->Checked(false);
  EXPECT_EQ(checked(), "Ruler Wrap Grid ");

  format->Remove("Bold");
  Menus()->Remove("View");
  const auto moved = Menus()->Item("Format")->MenuItems();
  const auto wrap = moved->Item("Wrap");
  EXPECT_EQ(wrap->MenuIndex(), 1);
  EXPECT_EQ(wrap->Index(), 1);
  EXPECT_TRUE(wrap->Grouped());
  EXPECT_EQ(wrap->GroupID(), kGroup + 1);
  EXPECT_EQ(moved->Add({.Caption = "&Close"})->Key(), "MI3");
  moved->Clear();
  EXPECT_FALSE(moved->Add({.Caption = "&Wrap"})->Grouped());
}

// Which lets repaint the bar and which only store; every let on a menu beyond the count fails
// and stores nothing, while the first menu still takes every let.
TEST_F(MenuObjectModel, MenuLetsRepaintOrStoreAndFailBeyondTheCount) {
  const std::pair<std::function<void(cMenu&)>, const char*> lets[] = {
      {[](cMenu& m) { m.Caption("&Edit"); }, "Caption repaints"},
      {[](cMenu& m) { m.DisplayInfrequents(true); }, "DisplayInfrequents stores"},
      {[](cMenu& m) { m.DisplayInfrequentState(true); }, "DisplayInfrequentState stores"},
      {[](cMenu& m) { m.Enabled(false); }, "Enabled repaints"},
      {[](cMenu& m) { m.ForeColor(0xFF); }, "ForeColor repaints"},
      {[](cMenu& m) { m.FontBold(true); }, "FontBold repaints"},
      {[](cMenu& m) { m.FontItalic(true); }, "FontItalic repaints"},
      {[](cMenu& m) { m.FontStrikeThrough(true); }, "FontStrikeThrough repaints"},
      {[](cMenu& m) { m.FontUnderline(true); }, "FontUnderline repaints"},
      {[](cMenu& m) { m.HoverForeColor(0xFF00); }, "HoverForeColor stores"},
      {[](cMenu& m) { m.Icon(4); }, "Icon repaints"},
      {[](cMenu& m) { m.IconDisabled(4); }, "IconDisabled repaints"},
      {[](cMenu& m) { m.IconHover(4); }, "IconHover repaints"},
      {[](cMenu& m) { m.ItemData(Variant("data")); }, "ItemData stores"},
      {[](cMenu& m) { m.Key("42"); }, "Key stores"},
      {[](cMenu& m) { m.Style(tsSecondaryMenu); }, "Style stores"},
      {[](cMenu& m) { m.Tag("tag"); }, "Tag stores"},
      {[](cMenu& m) { m.Visible(false); }, "Visible repaints"},
      {[](cMenu& m) { m.ToolTipText("tip"); }, "ToolTipText stores"},
  };
  long paints = Inside(*m_Bar).PaintCount();
  const std::shared_ptr<cMenu> menu = AddMenu("File");
  EXPECT_GT(Inside(*m_Bar).PaintCount(), paints) << "adding a menu";
  paints = Inside(*m_Bar).PaintCount();
  menu->MenuItems()->Add({.Caption = "&Open"});
  menu->MenuItems()->Item(1)->Caption("&Open...");
  EXPECT_EQ(Inside(*m_Bar).PaintCount(), paints) << "adding and changing an item";
  AddMenu("Edit");
  const std::shared_ptr<cMenu> second = Menus()->Item(2);
  Menus()->Remove(2);
  for (const auto& entry : lets)
    EXPECT_EQ(Outcome([&] { return entry.first(*second), kOk; }), "HeaderMissingOnLet") << entry.second;
  EXPECT_EQ(menu->Caption() + " " + menu->Key(), "&File File") << "a let beyond the count stored";
  for (const auto& entry : lets) {
    const std::string name = entry.second;
    paints = Inside(*m_Bar).PaintCount();
    entry.first(*menu);
    EXPECT_EQ(name.substr(0, name.find(' ')) + (Inside(*m_Bar).PaintCount() > paints ? " repaints" : " stores"), name);
  }
  EXPECT_EQ(menu->Key(), "42");
}

}  // namespace
}  // namespace menu_test
