// The band and tool collections as a host meets them: keys, counts, the error table,
// renumbering on removal, band surfaces and their mirrors, hosted controls, and the settings
// the control hands to its bands.

#include "BandsOnForm.h"

namespace {

// Keys and line places of every band, in position order.
std::vector<std::string> BandRows(cBands& bands) {
  std::vector<std::string> rows;
  for (int p = 1; p <= bands.Count(); ++p)
    rows.push_back(Values(bands.Item(p)->Key(), "line", bands.Item(p)->LineIndex(), "pos", bands.Item(p)->LinePosition()));
  return rows;
}

}  // namespace

TEST_F(BandsOnForm, AddGivesGeneratedKeysAndDefaults) {
  auto first = Bands()->Add();
  auto second = Bands()->Add();
  EXPECT_EQ(Values(first->Key(), second->Key(), first->LineIndex(), first->LinePosition(), first->Width(),
                   first->Enabled(), first->Visible(), first->DisplayMoreTools()),
            "1B 2B 0 0 300 1 1 1");
  auto tools = first->Tools();
  // A braced list runs the additions in order.
  EXPECT_TRUE(SameSequence({"1T", "2T", "Open", "Open"},
                           {tools->Add()->Key(), tools->Add({.Key = ""})->Key(), tools->Add({.Key = "Open"})->Key(),
                            second->Tools()->Add({.Key = "Open"})->Key()}))
      << "tool keys are per band";
  EXPECT_EQ(Values(tools->Count(), tools->Exists("Open"), tools->Exists(4), tools->Item("Open")->Index(),
                   tools->Item("Save") == nullptr),
            "3 1 0 3 1");
}

TEST_F(BandsOnForm, ErrorTableLeavesRecordsUnchanged) {
  using mirel_test::KeyInUse, mirel_test::TypeMismatch, mirel_test::kHeaderMissing, mirel_test::Unloaded;
  auto band = Bands()->Add({.Key = "Std"});
  auto tools = band->Tools();
  auto tool = tools->Add({.Key = "New"});
  const auto invalidIndex = [](const std::string& source) -> mirel_test::RaisedError {
    return {mirel_test::kObjectErrorBase + 25005, "voxMirelMBar20." + source, "Invalid Index.  Value must be an Integer >= 0."};
  };
  const mirel_test::RaisedError invalidStyle{mirel_test::kObjectErrorBase + 25006, "voxMirelMBar20.MirelMenuBar",
                                             "Invalid style. Value must be between 0 and 7."};
  EXPECT_TRUE(mirel_test::SameErrors({
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
  }));
  EXPECT_TRUE(SameSequence({"Std line 0 pos 0"}, BandRows(*Bands())));
  EXPECT_EQ(Values(tools->Count(), tool->Style(), Bands()->Exists(0), Bands()->Exists("Fmt"),
                   Bands()->Item("Fmt") == nullptr),
            Values(1, teButton, 0, 0, 1));
  Bands()->Remove("Fmt");
  EXPECT_EQ(1, Bands()->Count()) << "an unknown key removes nothing";
  band->LineIndex(16000);
  tool->Style(teSeperator);
  EXPECT_EQ(Values(band->LineIndex(), tool->Style()), Values(16000, teSeperator));

  auto bands = Bands();
  DropForm();
  EXPECT_TRUE(mirel_test::SameErrors({
      {"bands", [&] { bands->Count(); }, Unloaded("cBands")},
      {"band", [&] { band->Caption(); }, Unloaded("cBand")},
      {"tools", [&] { tools->Count(); }, Unloaded("cTools")},
      {"tool", [&] { tool->Caption("x"); }, Unloaded("cToolItem")},
  }));
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
  EXPECT_TRUE(GetParent(hWndSecond) == m_Bar->hWnd() && GetPropA(hWndSecond, MirelReBar::kObjectPtrProp) == &Surface(2));
  Bands()->Remove(1);
  // The surviving record stays with its surface.
  EXPECT_EQ(Values(Surface(1).hWnd() == hWndSecond, Surface(1).Index(), Surface(1).Tool(1).cTICaption), "1 2 T1");
  Bands()->Add();
  EXPECT_EQ(Values(Surface(3).Index(), Bands()->Count()), "1 3") << "3 is taken: the new band gets the free number";
  Bands()->Clear();
  EXPECT_EQ(Values(Bands()->Count(), IsWindow(hWndSecond)), "0 0");
}

TEST_F(BandsOnForm, MirrorFollowsTheToolRecords) {
  m_Bar->EndUpdate();
  auto tools = Bands()->Add()->Tools();
  for (const char* key : {"A", "B", "C"}) tools->Add({.Key = key, .Caption = key});
  tools->Remove("B");
  ASSERT_EQ(2, Surface(1).ToolCount());
  auto tool = tools->Item("C");
  tool->Tag("mirror only");
  tool->Toggle(true);
  tool->State(true);
  EXPECT_EQ(Values(Surface(1).Tool(2).cTIKey, Surface(1).Tool(2).cTITag, tool->State()), "C mirror only 1");
  tool->Toggle(false);
  EXPECT_FALSE(tool->State()) << "a tool that stops toggling is no longer pressed";
  tool->LeftOffset(7);
  tool->ItemData(Variant(12));
  EXPECT_EQ(Values(tool->LeftOffset(), tool->Top(), tool->Height(), TypeName(tool->ItemData())), "0 0 0 Long");
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
  EXPECT_EQ(Values(Surface(1).Tool(1).cTIHwnd, Surface(1).Tool(1).cTIParentHwnd),
            Values(HandleToLong(box->hWnd()), HandleToLong(m_Form->hWnd())));
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
  const auto settings = [&](int p) {
    return Values(Surface(p).Theme(), Surface(p).VisualStyle(), Surface(p).CtrlEnabled(),
                  Surface(p).fToolTipPreTimer(), Surface(p).fToolTipPostTimer(), Bands()->Item(p)->Height());
  };
  for (int p = 1; p <= 2; ++p) EXPECT_EQ(settings(p), Values(XPOlive, tsMSIE, 0, 200, 900, 37)) << p;
  m_Bar->SetCustomBandHeight(40);
  m_Bar->SetDefaultBandSize(bsCustom);
  EXPECT_EQ(40, Bands()->Item(1)->Height());
  EXPECT_EQ(9, ErrorOf([&] { m_Bar->SetDefaultBandSize(static_cast<ctsBandSizeConstants>(6)); }));
  EXPECT_EQ(40, Bands()->Item(1)->Height()) << "the bands stay as they were";
  EXPECT_EQ(0, ErrorOf([&] { Bands()->Add(); }));  // stored unchecked: laid out at bs16x16's height
  EXPECT_EQ(25, Bands()->Item(3)->Height());
  // Values outside the known styles and themes are stored; the bands draw the defaults.
  m_Bar->SetVisualStyle(static_cast<ctsVisualStyleConstants>(7));
  m_Bar->SetTheme(static_cast<ctsThemes>(-1));
  Bands()->Add();
  for (int p = 1; p <= 4; ++p) EXPECT_EQ(Values(Surface(p).Theme(), Surface(p).VisualStyle()), Values(XPBlue, tsMS2003));
  EXPECT_EQ(0, ErrorOf([&] { m_Bar->Refresh(); }));
}

TEST_F(BandsOnForm, HeldUpdatesRefreshChangedBandsOnce) {
  m_Bar->EndUpdate();
  auto tools = Bands()->Add()->Tools();
  m_Bar->BeginUpdate();
  auto tool = tools->Add({.Caption = "New"});
  tool->Caption("Newer");
  const auto dirty = [&] { return IsTrue(Inside(*m_Bar).BandData().Table().Band(1).cBIToolsDirty); };
  EXPECT_EQ(Values(Surface(1).Tool(1).cTIWidth, dirty()), "0 1") << "nothing is measured while updates are held";
  m_Bar->EndUpdate();
  EXPECT_EQ(Values(dirty(), tool->Left()), "0 13");
}

TEST_F(BandsOnForm, LoadedBandSizeSetsNewBands) {
  MemoryPropertyBag saved;
  saved.WriteProperty("DefaultBandSize", Variant::Long(bs24x24), Variant::Long(0));
  MakeBar({.saved = &saved});
  EXPECT_EQ(29, Bands()->Add()->Height());
}
