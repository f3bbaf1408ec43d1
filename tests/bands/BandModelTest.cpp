// The band and tool collections as a host meets them: keys, counts, the error table,
// renumbering on removal, band surfaces and their mirrors, hosted controls, and the settings
// the control hands to its bands.
#include <functional>

#include "BandsOnForm.h"
#include "core/MirelMenuBar20Internals.h"

namespace {

// Keys and line places of every band, in position order.
std::vector<std::string> BandRows(cBands& bands) {
  std::vector<std::string> rows;
  for (int p = 1; p <= bands.Count(); ++p) {
    auto band = bands.Item(p);
    rows.push_back(band->Key() + " line " + std::to_string(band->LineIndex()) + " pos " +
                   std::to_string(band->LinePosition()));
  }
  return rows;
}

}  // namespace

TEST_F(BandsOnForm, AddGivesGeneratedKeysAndDefaults) {
  auto first = Bands()->Add();
  auto second = Bands()->Add();
  EXPECT_EQ("1B", first->Key());
  EXPECT_EQ("2B", second->Key());
  EXPECT_EQ(0, first->LineIndex());
  EXPECT_EQ(0, first->LinePosition());
  EXPECT_EQ(300, first->Width());
  EXPECT_TRUE(first->Enabled());
  EXPECT_TRUE(first->Visible());
  EXPECT_TRUE(first->DisplayMoreTools());

  auto tools = first->Tools();
  EXPECT_EQ("1T", tools->Add()->Key());
  EXPECT_EQ("2T", tools->Add({.Key = ""})->Key());
  EXPECT_EQ("Open", tools->Add({.Key = "Open"})->Key());
  EXPECT_EQ("Open", second->Tools()->Add({.Key = "Open"})->Key()) << "tool keys are per band";
  EXPECT_EQ(3, tools->Count());
  EXPECT_TRUE(tools->Exists("Open"));
  EXPECT_FALSE(tools->Exists(4));
  EXPECT_EQ(3, tools->Item("Open")->Index());
  EXPECT_EQ(nullptr, tools->Item("Save"));
}

TEST_F(BandsOnForm, ErrorTableLeavesRecordsUnchanged) {
  using mirel_test::KeyInUse, mirel_test::TypeMismatch, mirel_test::kHeaderMissing;
  auto band = Bands()->Add({.Key = "Std"});
  auto tools = band->Tools();
  auto tool = tools->Add({.Key = "New"});
  const auto invalidIndex = [](const std::string& source) {
    return mirel_test::RaisedError{mirel_test::kObjectErrorBase + 25005, "voxMirelMBar20." + source,
                                   "Invalid Index.  Value must be an Integer >= 0."};
  };
  const mirel_test::RaisedError invalidStyle{mirel_test::kObjectErrorBase + 25006, "voxMirelMBar20.MirelMenuBar",
                                             "Invalid style. Value must be between 0 and 7."};
  struct Row {
    const char* what;
    std::function<void()> call;
    mirel_test::RaisedError error;
  };
  const std::vector<Row> rows = {
      {"band numeric key", [&] { Bands()->Add({.Key = "12"}); }, TypeMismatch("cBands")},
      {"band blank-led numeric key", [&] { Bands()->Add({.Key = " 3"}); }, TypeMismatch("cBands")},
      {"band key in use", [&] { Bands()->Add({.Key = "Std"}); }, KeyInUse("cBands")},
      {"band item 0", [&] { Bands()->Item(0); }, kHeaderMissing},
      {"band item count+1", [&] { Bands()->Item(2); }, kHeaderMissing},
      {"band remove 2", [&] { Bands()->Remove(2); }, kHeaderMissing},
      {"tool numeric key", [&] { tools->Add({.Key = "1.5"}); }, TypeMismatch("cTools")},
      {"tool key in use", [&] { tools->Add({.Key = "New"}); }, KeyInUse("cTools")},
      {"tool item 2", [&] { tools->Item(2); }, kHeaderMissing},
      {"tool remove 0", [&] { tools->Remove(0); }, kHeaderMissing},
      {"line 16001", [&] { band->LineIndex(16001); }, invalidIndex("MirelMenuBar")},
      {"line -1", [&] { band->LineIndex(-1); }, invalidIndex("MirelMenuBar")},
      {"position 16001", [&] { band->LinePosition(16001); }, invalidIndex("MirelMenuBar")},
      {"style 8", [&] { tool->Style(8); }, invalidStyle},
      {"style -1", [&] { tool->Style(-1); }, invalidStyle},
      {"stale band", [&] { Bands()->Item(1); std::make_shared<cBand>(m_Bar->hWnd(), 2)->Caption("x"); },
       invalidIndex("cBand")},
      {"stale tool", [&] { std::make_shared<cTool>(m_Bar->hWnd(), 1, 2)->Caption(); }, invalidIndex("cToolItem")},
      {"stale tools", [&] { std::make_shared<cTools>(m_Bar->hWnd(), 3)->Count(); }, invalidIndex("cTools")},
  };
  for (const Row& row : rows) EXPECT_EQ(row.error, ErrorFrom(row.call)) << row.what;
  EXPECT_TRUE(SameSequence({"Std line 0 pos 0"}, BandRows(*Bands())));
  EXPECT_EQ(1, tools->Count());
  EXPECT_EQ(teButton, tool->Style());
  EXPECT_FALSE(Bands()->Exists(0));
  EXPECT_FALSE(Bands()->Exists("Fmt"));
  EXPECT_EQ(nullptr, Bands()->Item("Fmt"));
  Bands()->Remove("Fmt");
  EXPECT_EQ(1, Bands()->Count()) << "an unknown key removes nothing";
  band->LineIndex(16000);
  tool->Style(teSeperator);
  EXPECT_EQ(16000, band->LineIndex());
  EXPECT_EQ(teSeperator, tool->Style());

  auto bands = Bands();
  DropForm();
  const std::vector<Row> unloaded = {
      {"bands", [&] { bands->Count(); }, mirel_test::Unloaded("cBands")},
      {"band", [&] { band->Caption(); }, mirel_test::Unloaded("cBand")},
      {"tools", [&] { tools->Count(); }, mirel_test::Unloaded("cTools")},
      {"tool", [&] { tool->Caption("x"); }, mirel_test::Unloaded("cToolItem")},
  };
  for (const Row& row : unloaded) EXPECT_EQ(row.error, ErrorFrom(row.call)) << row.what;
}

TEST_F(BandsOnForm, RemovingRenumbersLinesAndPositions) {
  for (std::int16_t line : {0, 1, 2, 3}) Bands()->Add({.Key = "L" + std::to_string(line), .lLineIndex = line, .lLinePosition = 1});
  Bands()->Add({.Key = "L2b", .lLineIndex = 2, .lLinePosition = 2});
  Bands()->Add({.Key = "L2c", .lLineIndex = 2, .lLinePosition = 3});
  Bands()->Remove("L1");
  EXPECT_TRUE(SameSequence({"L0 line 0 pos 1", "L2 line 1 pos 1", "L3 line 2 pos 1", "L2b line 1 pos 2",
                            "L2c line 1 pos 3"},
                           BandRows(*Bands())));
  Bands()->Remove("L2b");
  EXPECT_TRUE(SameSequence({"L0 line 0 pos 1", "L2 line 1 pos 1", "L3 line 2 pos 1", "L2c line 1 pos 2"},
                           BandRows(*Bands())));
}

TEST_F(BandsOnForm, BandSurfacesKeepTheirNumbers) {
  for (int i = 0; i < 3; ++i) Bands()->Add()->Tools()->Add({.Caption = "T" + std::to_string(i)});
  HWND hWndSecond = Surface(2).hWnd();
  EXPECT_EQ(m_Bar->hWnd(), GetParent(hWndSecond));
  EXPECT_EQ(&Surface(2), GetPropA(hWndSecond, MirelReBar::kObjectPtrProp));
  Bands()->Remove(1);
  EXPECT_EQ(hWndSecond, Surface(1).hWnd()) << "the surviving record stays with its surface";
  EXPECT_EQ(2, Surface(1).Index());
  EXPECT_EQ("T1", Surface(1).Tool(1).cTICaption);
  Bands()->Add();
  EXPECT_EQ(1, Surface(3).Index()) << "3 is taken: the new band gets the free number";
  EXPECT_EQ(3, Bands()->Count());
  Bands()->Clear();
  EXPECT_EQ(0, Bands()->Count());
  EXPECT_FALSE(IsWindow(hWndSecond));
}

TEST_F(BandsOnForm, MirrorFollowsTheToolRecords) {
  m_Bar->EndUpdate();
  auto tools = Bands()->Add()->Tools();
  for (const char* key : {"A", "B", "C"}) tools->Add({.Key = key, .Caption = key});
  tools->Remove("B");
  ASSERT_EQ(2, Surface(1).ToolCount());
  EXPECT_EQ("C", Surface(1).Tool(2).cTIKey);
  auto tool = tools->Item("C");
  tool->Tag("mirror only");
  tool->Toggle(true);
  tool->State(true);
  EXPECT_EQ("mirror only", Surface(1).Tool(2).cTITag);
  EXPECT_TRUE(tool->State());
  tool->Toggle(false);
  EXPECT_FALSE(tool->State()) << "a tool that stops toggling is no longer pressed";
  tool->LeftOffset(7);
  EXPECT_EQ(0, tool->LeftOffset());
  EXPECT_EQ(0, tool->Top());
  EXPECT_EQ(0, tool->Height());
  tool->ItemData(Variant(12));
  EXPECT_EQ(VbVarType::Long, tool->ItemData().Type());
  tools->Clear();
  EXPECT_EQ(0, Surface(1).ToolCount());
}

TEST_F(BandsOnForm, HostedControlMovesIntoTheBand) {
  auto box = AddHostedBox(40, 21);
  auto tools = Bands()->Add()->Tools();
  EXPECT_EQ(nullptr, tools->Add({.Style = teControl}));
  EXPECT_EQ(0, tools->Count()) << "a control tool without a control is not added";
  auto tool = tools->Add({.Style = teControl, .Ctrl = box});
  ASSERT_NE(nullptr, tool);
  EXPECT_EQ(Surface(1).hWnd(), GetParent(box->hWnd()));
  EXPECT_EQ(HandleToLong(box->hWnd()), Surface(1).Tool(1).cTIHwnd);
  EXPECT_EQ(HandleToLong(m_Form->hWnd()), Surface(1).Tool(1).cTIParentHwnd);
  EXPECT_EQ("", tool->FontName()) << "a hosted control keeps its own font";
  tools->Remove(1);
  EXPECT_EQ(m_Form->hWnd(), GetParent(box->hWnd())) << "a removed tool gives the control back";
}

TEST_F(BandsOnForm, ControlSettingsReachEveryBand) {
  m_Bar->EndUpdate();
  Bands()->Add();
  Bands()->Add();
  m_Bar->SetTheme(XPOlive);
  m_Bar->SetVisualStyle(tsMSIE);
  m_Bar->SetEnabled(VARIANT_FALSE);
  m_Bar->SetToolTipPreTime(200);
  m_Bar->SetToolTipPostTime(900);
  m_Bar->SetDefaultBandSize(bs32x32);
  for (int p = 1; p <= 2; ++p) {
    EXPECT_EQ(XPOlive, Surface(p).Theme());
    EXPECT_EQ(tsMSIE, Surface(p).VisualStyle());
    EXPECT_FALSE(Surface(p).CtrlEnabled());
    EXPECT_EQ(200, Surface(p).fToolTipPreTimer());
    EXPECT_EQ(900, Surface(p).fToolTipPostTimer());
    EXPECT_EQ(37, Bands()->Item(p)->Height());
  }
  m_Bar->SetCustomBandHeight(40);
  m_Bar->SetDefaultBandSize(bsCustom);
  EXPECT_EQ(40, Bands()->Item(1)->Height());
  m_Bar->SetCustomBandHeight(10);
  EXPECT_EQ(25, Bands()->Item(1)->Height());
  EXPECT_EQ(9, ErrorOf([&] { m_Bar->SetDefaultBandSize(static_cast<ctsBandSizeConstants>(6)); }));
  EXPECT_EQ(25, Bands()->Item(1)->Height());
  EXPECT_EQ(0, ErrorOf([&] { Bands()->Add(); }));  // stored unchecked: laid out at bs16x16's height
  EXPECT_EQ(25, Bands()->Item(3)->Height());
  // Values outside the known styles and themes are stored; the bands draw the defaults.
  m_Bar->SetVisualStyle(static_cast<ctsVisualStyleConstants>(7));
  m_Bar->SetTheme(static_cast<ctsThemes>(-1));
  Bands()->Add();
  for (int p = 1; p <= 4; ++p) {
    EXPECT_EQ(XPBlue, Surface(p).Theme());
    EXPECT_EQ(tsMS2003, Surface(p).VisualStyle());
  }
  EXPECT_EQ(0, ErrorOf([&] { m_Bar->Refresh(); }));
}

TEST_F(BandsOnForm, HeldUpdatesRefreshChangedBandsOnce) {
  m_Bar->EndUpdate();
  auto tools = Bands()->Add()->Tools();
  m_Bar->BeginUpdate();
  auto tool = tools->Add({.Caption = "New"});
  tool->Caption("Newer");
  EXPECT_EQ(0, Surface(1).Tool(1).cTIWidth) << "nothing is measured while updates are held";
  EXPECT_TRUE(IsTrue(Inside(*m_Bar).BandData().Table().Band(1).cBIToolsDirty));
  m_Bar->EndUpdate();
  EXPECT_FALSE(IsTrue(Inside(*m_Bar).BandData().Table().Band(1).cBIToolsDirty));
  EXPECT_EQ(13, tool->Left());
}

TEST_F(BandsOnForm, LoadedBandSizeSetsNewBands) {
  MemoryPropertyBag saved;
  saved.WriteProperty("DefaultBandSize", Variant::Long(bs24x24), Variant::Long(0));
  MakeBar({.saved = &saved});
  EXPECT_EQ(29, Bands()->Add()->Height());
}
