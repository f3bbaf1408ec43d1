// The Menus collection as a host uses it: keys given and generated, positions and keys as
// indexes, removal and clearing, and the errors each misuse reports.
#include <string>
#include <vector>

#include "MenuBarOnForm.h"

namespace menu_test {
namespace {

using MenusCollection = MenuBarOnForm;

std::vector<std::string> Keys(const cMenus& menus) {
  std::vector<std::string> keys;
  for (int i = 1; i <= menus.Count(); ++i) keys.push_back(menus.Item(i)->Key());
  return keys;
}

TEST_F(MenusCollection, KeylessAddsNumberTheKeyAfterTheCountWithoutCheckingItIsFree) {
  Menus()->Add({.Caption = "One"});
  Menus()->Add({.Caption = "Two"});
  EXPECT_EQ(Keys(*Menus()), (std::vector<std::string>{"M1", "M2"}));

  Menus()->Remove("M1");
  Menus()->Add({.Caption = "Three"});

  EXPECT_EQ(Keys(*Menus()), (std::vector<std::string>{"M2", "M2"}));
  EXPECT_EQ(Menus()->Item("M2")->Caption(), "Two");
  EXPECT_EQ(Menus()->Item("M2")->Index(), 1);
}

TEST_F(MenusCollection, RejectedKeysReportTheirErrorAndAddNothing) {
  AddMenu("File");
  struct Case {
    std::string key;
    HostError error;
  };
  const Case cases[] = {
      {"File", KeyInUse("cMenus")},   {"1", TypeMismatch("cMenus")},   {" -2.5e1 ", TypeMismatch("cMenus")},
      {"&H1F", TypeMismatch("cMenus")}, {"file", kNoError},             {"", kNoError},
      {"", KeyInUse("cMenus")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("key \"" + c.key + "\"");
    const int countBefore = Menus()->Count();
    std::shared_ptr<cMenu> added;
    EXPECT_EQ(ErrorOf([&] { added = Menus()->Add({.Key = c.key, .Caption = "X"}); }), c.error);
    EXPECT_EQ(Menus()->Count(), countBefore + (c.error == kNoError ? 1 : 0));
    if (c.error == kNoError) {
      EXPECT_EQ(added->Key(), c.key);
    }
  }
}

TEST_F(MenusCollection, NumericIndexesArePositionsAndMustBeInRange) {
  AddMenu("File");
  AddMenu("Edit");
  EXPECT_EQ(Menus()->Item("2")->Key(), "Edit");
  EXPECT_EQ(Menus()->Item(1)->Key(), "File");
  EXPECT_EQ((*Menus())(Variant(2.0))->Key(), "Edit");

  EXPECT_EQ(ErrorOf([&] { Menus()->Item(0); }), kHeaderMissing);
  EXPECT_EQ(ErrorOf([&] { Menus()->Item(3); }), kHeaderMissing);
  EXPECT_EQ(ErrorOf([&] { Menus()->Item("-1"); }), kHeaderMissing);
  EXPECT_EQ(ErrorOf([&] { Menus()->Remove(3); }), kHeaderMissing);
  EXPECT_EQ(Menus()->Count(), 2);
}

// Keys compare exactly; Exists never fails; an unknown key is nothing and removes nothing.
TEST_F(MenusCollection, LookupsByKeyOrPositionNeverFailExistsOrAnUnknownKey) {
  AddMenu("File");
  bool exists = true;
  EXPECT_EQ(ErrorOf([&] { exists = Menus()->Exists(0); }), kNoError);
  EXPECT_FALSE(exists);
  EXPECT_FALSE(Menus()->Exists(2));
  EXPECT_FALSE(Menus()->Exists("file"));
  EXPECT_FALSE(Menus()->Exists("File "));
  EXPECT_TRUE(Menus()->Exists("File"));
  EXPECT_TRUE(Menus()->Exists(1));
  EXPECT_TRUE(Menus()->Exists("1"));
  EXPECT_EQ(Menus()->Item("file"), nullptr);
  EXPECT_EQ(ErrorOf([&] { Menus()->Remove("Help"); }), kNoError);
  EXPECT_EQ(Menus()->Count(), 1);
}

TEST_F(MenusCollection, RemovalMovesLaterMenusDownAndProxiesKeepTheirPosition) {
  AddMenu("File");
  AddMenu("Edit");
  AddMenu("View");
  std::shared_ptr<cMenu> second = Menus()->Item(2);
  std::shared_ptr<cMenu> third = Menus()->Item(3);

  Menus()->Remove(2);

  EXPECT_EQ(Keys(*Menus()), (std::vector<std::string>{"File", "View"}));
  EXPECT_EQ(second->Key(), "View");
  EXPECT_EQ(ErrorOf([&] { third->Key(); }), kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { third->Caption("Gone"); }), kHeaderMissingOnLet);
}

TEST_F(MenusCollection, RemovalCarriesItemsAndGroupSettingsWithTheirMenu) {
  AddMenu("File");
  std::shared_ptr<cMenu> edit = AddMenu("Edit");
  std::shared_ptr<cMenuItem> cut = edit->MenuItems()->Add({.Caption = "Cu&t", .Key = "Cut"});
  cut->Grouped(true);
  cut->GroupID(3);

  Menus()->Remove("File");

  std::shared_ptr<cMenuItem> moved = Menus()->Item("Edit")->MenuItems()->Item("Cut");
  EXPECT_EQ(moved->MenuIndex(), 1);
  EXPECT_TRUE(moved->Grouped());
  EXPECT_EQ(moved->GroupID(), 3);
}

TEST_F(MenusCollection, ClearEmptiesTheTable) {
  AddMenu("File")->MenuItems()->Add({.Caption = "&Open"});
  AddMenu("Edit");
  std::shared_ptr<cMenu> first = Menus()->Item(1);

  Menus()->Clear();

  EXPECT_EQ(Menus()->Count(), 0);
  EXPECT_EQ(ErrorOf([&] { first->Caption(); }), kSubscriptOutOfRange);
  EXPECT_EQ(Menus()->Add({.Caption = "New"})->Key(), "M1");
}

// One menu as Add stored it.
struct StoredMenu {
  std::string key;
  std::int16_t style;
  bool enabled;
  std::int16_t icon, iconDisabled, iconHover;
  bool operator==(const StoredMenu&) const = default;
  friend void PrintTo(const StoredMenu& r, std::ostream* out) {
    *out << "\n  " << r.key << ": style " << r.style << ", enabled " << r.enabled << ", icons " << r.icon << " "
         << r.iconDisabled << " " << r.iconHover;
  }
};

TEST_F(MenusCollection, AddStoresItsArgumentsWithTheIconAndSecondaryMenuRules) {
  std::vector<MenuAddArgs> adds = {
      {.Key = "A", .Icon = 3},
      {.Key = "B", .Icon = 0},
      {.Key = "C", .Enabled = true, .Icon = 5, .IconDisabled = 7},
      {.Key = "D", .Style = tsSecondaryMenu, .Enabled = false, .IconHover = 2},
      {.Key = "E", .Style = tsPrimaryMenu},
  };
  const std::vector<StoredMenu> expected = {
      {"A", tsPrimaryMenu, false, 3, 3, 3},
      {"B", tsPrimaryMenu, false, 0, -1, -1},
      {"C", tsPrimaryMenu, true, 5, 7, 5},
      {"D", tsSecondaryMenu, true, -1, -1, 2},
      {"E", tsPrimaryMenu, false, -1, -1, -1},
  };
  std::vector<StoredMenu> actual;
  for (const MenuAddArgs& args : adds) {
    std::shared_ptr<cMenu> menu = Menus()->Add(args);
    actual.push_back({menu->Key(), menu->Style(), menu->Enabled(), menu->Icon(), menu->IconDisabled(),
                      menu->IconHover()});
  }
  EXPECT_EQ(actual, expected);
}

TEST_F(MenusCollection, NewMenuStartsVisibleCollapsedAndEmpty) {
  std::shared_ptr<cMenu> menu = Menus()->Add({.Key = "Tools", .Caption = "&Tools", .DisplayInfrequents = true});
  EXPECT_TRUE(menu->Visible());
  EXPECT_FALSE(menu->DisplayInfrequentState());
  EXPECT_EQ(menu->ForeColor(), 0u);
  EXPECT_EQ(menu->MenuItems()->Count(), 0);
  EXPECT_TRUE(IsMissing(menu->ItemData()));
}

}  // namespace
}  // namespace menu_test
