// The items of a menu as a host builds them: keys per menu, the values a new item takes,
// item properties, exclusive check groups across menus, removal and clearing.
#include <string>
#include <vector>

#include "MenuBarOnForm.h"
#include "core/MirelMenuBar20Internals.h"

namespace menu_test {
namespace {

using MenuItems = MenuBarOnForm;

std::vector<std::string> ItemKeys(const cMenuItems& items) {
  std::vector<std::string> keys;
  for (int i = 1; i <= items.Count(); ++i) keys.push_back(items.Item(i)->Key());
  return keys;
}

TEST_F(MenuItems, KeylessAndEmptyKeysNumberWithinEachMenu) {
  std::shared_ptr<cMenuItems> file = AddMenu("File")->MenuItems();
  std::shared_ptr<cMenuItems> edit = AddMenu("Edit")->MenuItems();
  file->Add({.Caption = "&New"});
  file->Add({.Caption = "&Open", .Key = ""});
  edit->Add({.Caption = "&Undo"});
  file->Add({.Caption = "&Save", .Key = "Save"});
  edit->Add({.Caption = "&Save", .Key = "Save"});

  EXPECT_EQ(ItemKeys(*file), (std::vector<std::string>{"MI1", "MI2", "Save"}));
  EXPECT_EQ(ItemKeys(*edit), (std::vector<std::string>{"MI1", "Save"}));
}

TEST_F(MenuItems, RejectedKeysReportTheirErrorAndAddNothing) {
  std::shared_ptr<cMenuItems> items = AddMenu("File")->MenuItems();
  items->Add({.Caption = "&Open", .Key = "Open"});
  EXPECT_EQ(ErrorOf([&] { items->Add({.Key = "Open"}); }), KeyInUse("cMenuItems"));
  EXPECT_EQ(ErrorOf([&] { items->Add({.Key = "7"}); }), TypeMismatch("cMenuItems"));
  EXPECT_EQ(ErrorOf([&] { items->Add({.Key = "open"}); }), kNoError);
  EXPECT_EQ(items->Count(), 2);
}

TEST_F(MenuItems, IndexesResolveWithinTheMenu) {
  std::shared_ptr<cMenuItems> file = AddMenu("File")->MenuItems();
  std::shared_ptr<cMenuItems> edit = AddMenu("Edit")->MenuItems();
  file->Add({.Caption = "&Open", .Key = "Open"});
  edit->Add({.Caption = "&Copy", .Key = "Copy"});

  EXPECT_EQ(file->Item("Copy"), nullptr);
  EXPECT_EQ((*edit)("1")->Caption(), "&Copy");
  EXPECT_EQ(ErrorOf([&] { file->Item(0); }), kHeaderMissing);
  EXPECT_EQ(ErrorOf([&] { file->Item(2); }), kHeaderMissing);
  EXPECT_EQ(ErrorOf([&] { file->Remove(2); }), kHeaderMissing);
  EXPECT_EQ(ErrorOf([&] { file->Remove("Copy"); }), kNoError);
  EXPECT_EQ(file->Count(), 1);
}

// An icon stands for the disabled and hover icons unless it is 0; a new item is visible and
// in no group.
TEST_F(MenuItems, NewItemTakesTheIconRuleAndStartsVisibleAndUngrouped) {
  std::shared_ptr<cMenuItems> items = AddMenu("File")->MenuItems();
  std::shared_ptr<cMenuItem> item = items->Add({.Caption = "&Recent", .Checked = true, .Enabled = false, .Icon = 3});
  EXPECT_EQ(item->IconDisabledIndex(), 3);
  EXPECT_EQ(item->IconHoverIndex(), 3);
  EXPECT_TRUE(item->Visible());
  EXPECT_FALSE(item->Grouped());
  EXPECT_EQ(item->GroupID(), 0);

  std::shared_ptr<cMenuItem> plain = items->Add({.Caption = "&Close", .Icon = 0});
  EXPECT_TRUE(plain->Enabled());
  EXPECT_FALSE(plain->Checked());
  EXPECT_EQ(plain->IconDisabledIndex(), -1);
  EXPECT_EQ(plain->IconHoverIndex(), -1);
}

TEST_F(MenuItems, ForeColorIsTheDefaultAtTheTimeOfAdding) {
  constexpr OLE_COLOR kFirstDefault = 0x00112233;
  constexpr OLE_COLOR kSecondDefault = 0x80000008;
  std::shared_ptr<cMenuItems> items = AddMenu("File")->MenuItems();
  m_Bar->SetDefaultMenuItemForeColor(kFirstDefault);
  std::shared_ptr<cMenuItem> first = items->Add({.Caption = "&Open"});
  m_Bar->SetDefaultMenuItemForeColor(kSecondDefault);
  std::shared_ptr<cMenuItem> second = items->Add({.Caption = "&Save"});

  EXPECT_EQ(first->ForeColor(), kFirstDefault);
  EXPECT_EQ(second->ForeColor(), kSecondDefault);
}

TEST_F(MenuItems, IconIndexesOutsideSixteenBitsOverflowAndStoreNothing) {
  std::shared_ptr<cMenuItem> item = AddMenu("File")->MenuItems()->Add({.Caption = "&Open", .Icon = 1});
  EXPECT_EQ(ErrorOf([&] { item->IconIndex(40000); }), kOverflow);
  EXPECT_EQ(ErrorOf([&] { item->IconDisabledIndex(-32769); }), kOverflow);
  EXPECT_EQ(ErrorOf([&] { item->IconHoverIndex(32768); }), kOverflow);
  EXPECT_EQ(item->IconIndex(), 1);
  EXPECT_EQ(ErrorOf([&] { item->IconIndex(-32768); }), kNoError);
  EXPECT_EQ(item->IconIndex(), -32768);
}

TEST_F(MenuItems, ItemsBeyondTheArraysReportSubscriptOutOfRange) {
  std::shared_ptr<cMenuItems> items = AddMenu("File")->MenuItems();
  items->Add({.Caption = "&Open"});
  items->Add({.Caption = "&Save"});
  std::shared_ptr<cMenuItem> second = items->Item(2);
  items->Remove(1);

  EXPECT_EQ(ErrorOf([&] { second->Caption(); }), kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { second->Caption("X"); }), kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { second->GroupID(1); }), kSubscriptOutOfRange);
  EXPECT_EQ(items->Item(1)->Caption(), "&Save");
}

TEST_F(MenuItems, CheckingAGroupedItemUnchecksItsGroupInEveryMenu) {
  constexpr std::int16_t kGroup = 7;
  std::shared_ptr<cMenuItems> view = AddMenu("View")->MenuItems();
  std::shared_ptr<cMenuItems> format = AddMenu("Format")->MenuItems();
  struct Setup {
    std::shared_ptr<cMenuItems> items;
    std::string key;
    bool grouped;
    std::int16_t groupID;
  };
  const std::vector<Setup> setups = {
      {view, "Large", true, kGroup},   {view, "Small", true, kGroup},     {view, "Ruler", false, kGroup},
      {format, "Bold", true, kGroup},  {format, "Wrap", true, kGroup + 1}, {format, "Grid", false, kGroup},
  };
  for (const Setup& s : setups) {
    std::shared_ptr<cMenuItem> item = s.items->Add({.Caption = s.key, .Checked = true, .Key = s.key});
    item->Grouped(s.grouped);
    item->GroupID(s.groupID);
  }

  view->Item("Small")->Checked(true);

  std::vector<std::string> checked;
  for (const Setup& s : setups)
    if (s.items->Item(s.key)->Checked()) checked.push_back(s.key);
  EXPECT_EQ(checked, (std::vector<std::string>{"Small", "Ruler", "Wrap", "Grid"}));
}

TEST_F(MenuItems, UncheckingLeavesTheGroupAlone) {
  std::shared_ptr<cMenuItems> items = AddMenu("View")->MenuItems();
  for (const char* key : {"A", "B"}) {
    std::shared_ptr<cMenuItem> item = items->Add({.Caption = key, .Checked = true, .Key = key});
    item->Grouped(true);
    item->GroupID(1);
  }
  items->Item("A")->Checked(false);
  EXPECT_TRUE(items->Item("B")->Checked());
}

TEST_F(MenuItems, RemovalMovesLaterItemsAndTheirGroupRecordsDown) {
  std::shared_ptr<cMenuItems> items = AddMenu("File")->MenuItems();
  items->Add({.Caption = "&New", .Key = "New"});
  std::shared_ptr<cMenuItem> open = items->Add({.Caption = "&Open", .Key = "Open"});
  open->Grouped(true);
  open->GroupID(4);

  items->Remove("New");

  EXPECT_EQ(ItemKeys(*items), (std::vector<std::string>{"Open"}));
  EXPECT_TRUE(items->Item(1)->Grouped());
  EXPECT_EQ(items->Item(1)->GroupID(), 4);
  EXPECT_EQ(items->Add({.Caption = "&Close"})->Key(), "MI2");
}

// Clearing the items of one menu removes them all, with their group settings, and leaves the
// menu and the other menus as they were.
TEST_F(MenuItems, ClearRemovesEveryItemOfThatMenuOnly) {
  std::shared_ptr<cMenu> file = AddMenu("File");
  std::shared_ptr<cMenuItems> edit = AddMenu("Edit")->MenuItems();
  std::shared_ptr<cMenuItem> open = file->MenuItems()->Add({.Caption = "&Open"});
  open->Grouped(true);
  edit->Add({.Caption = "&Copy"});

  file->MenuItems()->Clear();

  EXPECT_EQ(file->MenuItems()->Count(), 0);
  EXPECT_EQ(file->Caption(), "&File");
  EXPECT_EQ(edit->Count(), 1);
  EXPECT_FALSE(file->MenuItems()->Add({.Caption = "&Open"})->Grouped());
}

TEST_F(MenuItems, EnabledStoresTrueAsMinusOne) {
  std::shared_ptr<cMenuItem> item = AddMenu("File")->MenuItems()->Add({.Caption = "&Open", .Enabled = false});
  item->Enabled(true);
  EXPECT_EQ(Inside(*m_Bar).MenuData().Item(1, 1).cMIEnabled, VARIANT_TRUE);
  item->Enabled(false);
  EXPECT_EQ(Inside(*m_Bar).MenuData().Item(1, 1).cMIEnabled, VARIANT_FALSE);
}

}  // namespace
}  // namespace menu_test
