// The drop-down collections as a host meets them: keys, counts, removal, the error table and
// the image lists a drop-down accepts.

#include "support/BarOnForm.h"
#include "support/ImageLists.h"
#include "support/Values.h"

namespace {

using mirel_test::ErrorFrom;
using mirel_test::ImageListOf;
using mirel_test::RaisedError;
using mirel_test::SameSequence;
using mirel_test::Sequence;
using mirel_test::Values;

RaisedError OfLibrary(std::int32_t number, const std::string& source, const std::string& description) {
  return {number, "voxMirelMBar20." + source, description};
}
const RaisedError kInvalidIndex =
    OfLibrary(mirel_test::kObjectErrorBase + 25005, "cDropDown", "Invalid Index.  Value must be an Integer >= 0.");
const RaisedError kInvalidColumns = OfLibrary(mirel_test::kObjectErrorBase + 25006, "MirelMenuBar",
                                              "Invalid number of columns. Value must be greater than 0.");
const RaisedError kInvalidRows = OfLibrary(mirel_test::kObjectErrorBase + 25006, "MirelMenuBar",
                                           "Invalid number of rows. Value must be greater than 0.");

class DropDownsOnForm : public mirel_test::BarOnForm {
 protected:
  void SetUp() override { BarOnForm::SetUp(); MakeBar(); }

  std::shared_ptr<cDropDowns> DropDowns() { return m_Bar->DropDowns(); }
  // A drop-down of 2 rows and 3 columns showing the fixture's 16 x 16 list.
  std::shared_ptr<cDropDown> AddDropDown(Variant key = Variant::Missing()) {
    return DropDowns()->Add({.Key = std::move(key), .iRows = 2, .iColumns = 3, .oImageList = Variant(m_Icons)});
  }

  // Every drop-down record with its icons, one line each, read through the back end's copies.
  Sequence Records() const {
    Sequence rows;
    const ControlDropDowns& dropDowns = Inside(*m_Bar).DropDownData();
    for (int n = 1; n <= dropDowns.Count(); ++n) {
      const tDropDownItemInfo d = dropDowns.Record(n);
      std::string row = d.cDIKey + " #" + std::to_string(d.cDIIndex) + " " + std::to_string(d.cDIRows) + "x" +
                        std::to_string(d.cDIColumns) + " icons " + std::to_string(d.cDIIconSizeX) + "x" +
                        std::to_string(d.cDIIconSizeY) + (IsTrue(d.cDIDirty) ? " dirty" : "") + ":";
      for (int t = 1; t <= d.cDIToolCount; ++t) {
        const tDropToolItemInfo& tool = d.cDITools[static_cast<std::size_t>(t)];
        row += " " + tool.cDTIKey + "(" + std::to_string(tool.cDTIIconIndex) + "," +
               std::to_string(tool.cDTIIconDisabledIndex) + "," + std::to_string(tool.cDTIIconHoverIndex) +
               (IsTrue(tool.cDTIEnabled) ? " on" : " off") + (IsTrue(tool.cDTIVisible) ? " shown" : "") + " '" +
               tool.cDTITag + "' '" + tool.cDTIToolTipText + "' '" + tool.cDTICaption + "' " +
               std::to_string(tool.cDTICaptionAlignment) + ")";
      }
      rows.push_back(row);
    }
    return rows;
  }

  std::shared_ptr<ImageList> m_Icons = ImageListOf<ImageList>(16, 16, 4);
};

TEST_F(DropDownsOnForm, ErrorTableLeavesRecordsUnchanged) {
  auto colours = AddDropDown(Variant("Colours"));
  AddDropDown(Variant("Shapes"));
  auto tools = colours->Tools();
  auto red = tools->Add({.Key = "Red", .Enabled = true, .Icon = 1, .Tag = "r", .ToolTipText = "Red"});
  const Sequence before = Records();
  EXPECT_TRUE(mirel_test::SameErrors({
      {"numeric key text", [&] { AddDropDown(Variant("12")); }, mirel_test::TypeMismatch("cDropDowns")},
      {"numeric key value", [&] { AddDropDown(Variant::Integer(7)); }, mirel_test::TypeMismatch("cDropDowns")},
      {"key in use", [&] { AddDropDown(Variant("Shapes")); }, mirel_test::KeyInUse("cDropDowns")},
      {"item 0", [&] { DropDowns()->Item(0); }, mirel_test::kHeaderMissing},
      {"item count+1", [&] { DropDowns()->Item(3); }, mirel_test::kHeaderMissing},
      {"remove count+1", [&] { DropDowns()->Remove(3); }, mirel_test::kHeaderMissing},
      {"rows 0", [&] { colours->Rows(0); }, kInvalidRows},
      {"columns -1", [&] { colours->Columns(-1); }, kInvalidColumns},
      {"stale drop-down", [&] { std::make_shared<cDropDown>(m_Bar->hWnd(), 3)->Rows(4); }, kInvalidIndex},
      {"stale drop-down's tools", [&] { std::make_shared<cDropDown>(m_Bar->hWnd(), 0)->Tools(); }, kInvalidIndex},
      {"back-end row let outside", [&] { Inside(*m_Bar).DropDownData().SetRows(3, 4); },
       mirel_test::kHeaderMissingOnLet},
      {"tool numeric key", [&] { tools->Add({.Key = "1e2"}); }, mirel_test::TypeMismatch("cDropTools")},
      {"tool key in use", [&] { tools->Add({.Key = "Red"}); }, mirel_test::KeyInUse("cDropTools")},
      {"tool item 2", [&] { tools->Item(2); }, mirel_test::kHeaderMissing},
      {"tool remove 0", [&] { tools->Remove(0); }, mirel_test::kHeaderMissing},
      {"tool beyond the array", [&] { std::make_shared<cDropTool>(m_Bar->hWnd(), 1, 2)->Caption("x"); },
       mirel_test::kSubscriptOutOfRange},
      {"tools of a drop-down beyond the table", [&] { std::make_shared<cDropTools>(m_Bar->hWnd(), 3)->Count(); },
       mirel_test::kSubscriptOutOfRange},
  }));
  EXPECT_TRUE(SameSequence(before, Records()));

  auto dropDowns = DropDowns();
  DropForm();
  EXPECT_TRUE(mirel_test::SameErrors({
      {"collection", [&] { dropDowns->Count(); }, mirel_test::Unloaded("cDropDowns")},
      {"drop-down", [&] { colours->Key(); }, mirel_test::Unloaded("cDropDown")},
      {"icons", [&] { tools->Add(); }, mirel_test::Unloaded("cDropTools")},
      {"icon", [&] { red->Visible(true); }, mirel_test::Unloaded("cDropToolItem")},
  }));
  EXPECT_FALSE(dropDowns->Exists(1)) << "Exists suppresses every error";
}

TEST_F(DropDownsOnForm, KeysItemsAndRemoval) {
  for (int i = 0; i < 3; ++i) AddDropDown();
  auto tools = DropDowns()->Item("D2")->Tools();
  tools->Add();
  tools->Add({.Key = "Star", .Icon = 3, .IconHover = 4});
  tools->Add({.Key = "", .Tag = "third"});
  auto star = tools->Item("Star");
  EXPECT_FALSE(star->Visible()) << "an added icon is hidden until shown";
  star->Visible(true);
  star->Caption("Star");
  star->CaptionAlignment(2);
  EXPECT_EQ(Values(star->Index(), star->Key()), "2 Star");
  EXPECT_TRUE(SameSequence({"D1 #1 2x3 icons 16x16 dirty:",
                            "D2 #2 2x3 icons 16x16 dirty: DT1(-1,-1,-1 off '' '' '' 0) "
                            "Star(3,-1,4 off shown '' '' 'Star' 2) DT3(-1,-1,-1 off 'third' '' '' 0)",
                            "D3 #3 2x3 icons 16x16 dirty:"},
                           Records()));

  // Items 0 and count+1 raise (the error table); an unknown key finds nothing and raises nothing.
  EXPECT_EQ(Values(DropDowns()->Exists("D9"), DropDowns()->Item("D9") == nullptr, DropDowns()->Exists(0),
                   DropDowns()->Exists(4), DropDowns()->Exists("D3"), DropDowns()->Item(Variant(1.0))->Key()),
            "0 1 0 0 1 D1");

  DropDowns()->Remove("D9");
  DropDowns()->Remove(1);
  auto first = DropDowns()->Item(1);
  EXPECT_EQ(Values(DropDowns()->Count(), first->Key(), first->Tools()->Count()), "2 D2 3")
      << "the former second moves to number 1";
  EXPECT_EQ("D3", AddDropDown()->Key()) << "the generated key counts from the new count";
  first->Rows(5);
  first->Columns(1);
  tools = first->Tools();
  tools->Remove("DT1");
  EXPECT_EQ(Values(tools->Exists("Star"), tools->Exists("DT1")), "1 0");
  EXPECT_TRUE(SameSequence({"D2 #2 5x1 icons 16x16 dirty: Star(3,-1,4 off shown '' '' 'Star' 2) "
                            "DT3(-1,-1,-1 off 'third' '' '' 0)",
                            "D3 #3 2x3 icons 16x16 dirty:", "D3 #3 2x3 icons 16x16 dirty:"},
                           Records()))
      << "records keep the number they were made with; keys generated from the count may repeat";
  tools->Clear();
  EXPECT_EQ(0, tools->Count());
  EXPECT_EQ("DT1", tools->Add()->Key()) << "keys count from the emptied collection";

  DropDowns()->Clear();
  EXPECT_EQ(0, DropDowns()->Count());
  AddDropDown();
  m_Bar->ClearAll();
  EXPECT_EQ(0, DropDowns()->Count()) << "ClearAll empties the drop-downs too";
}

TEST_F(DropDownsOnForm, ImageListsAcceptedByAdd) {
  struct NotAList : AutomationObject {
    std::string TypeName() const override { return "TextBox"; }
  };
  const auto control = ImageListOf<ImageList>(24, 22, 2);
  const auto other = ImageListOf<MirelImageList>(20, 18, 1);
  const auto byHandle = ImageListOf<ImageList>(16, 15, 3);
  const struct {
    const char* what;
    Variant list;
    HIMAGELIST handle;
    std::string expected;
  } cases[] = {
      {"none", Variant::Missing(), nullptr, "nothing"},
      {"a list without images", Variant(std::make_shared<ImageList>()), nullptr, "nothing"},
      {"a string", Variant("Icons"), nullptr, "nothing"},
      {"a 16-bit integer", Variant::Integer(5), nullptr, "nothing"},
      {"an object that is no image list", Variant(std::make_shared<NotAList>()), nullptr, "nothing"},
      {"a zero handle", Variant::Long(0), nullptr, "nothing"},
      {"a handle", Variant::Long(HandleToLong(byHandle->hImageList())), byHandle->hImageList(),
       "D1 16x15, handle=list object=no 16x15"},
      {"the image-list control", Variant(control), control->hImageList(), "D2 24x22, handle=list object=yes 24x22"},
      {"another image-list object", Variant(other), other->hImageList(), "D3 20x18, handle=list object=no 20x18"},
  };
  Sequence expected, actual;
  const ControlDropDowns& data = Inside(*m_Bar).DropDownData();
  for (const auto& c : cases) {
    const auto count = DropDowns()->Count();
    std::shared_ptr<cDropDown> added;
    const RaisedError error = ErrorFrom([&] { added = DropDowns()->Add({.oImageList = c.list}); });
    const tDropDownItemInfo record = added ? data.Record(added->Key()) : tDropDownItemInfo{};
    std::string result = !added ? "nothing" : record.cDIKey + " " + std::to_string(record.cDIIconSizeX) + "x" +
        std::to_string(record.cDIIconSizeY) + ", " + mirel_test::DescribeSlot(data.ImageList(added->Index()), c.handle);
    if (error.number != 0) result += " error " + std::to_string(error.number);
    if (DropDowns()->Count() != count + (added ? 1 : 0)) result += " count changed";
    expected.push_back(std::string(c.what) + ": " + c.expected);
    actual.push_back(std::string(c.what) + ": " + result);
  }
  EXPECT_TRUE(SameSequence(expected, actual));

  DropDowns()->Remove(1);
  EXPECT_EQ(HandleToLong(control->hImageList()), data.ImageList(1).hImageList)
      << "a drop-down keeps its image list when it moves down";
  EXPECT_EQ("", data.Record("D9").cDIKey) << "an unknown key reads an empty record";
  EXPECT_EQ(0, data.Record(3).cDIIconSizeX) << "a number beyond the table reads an empty record";
}

}  // namespace
