// A run-time bar with one band "Fmt" holding two colour drop-downs (1 Fore, 2 Back), a plain
// tool (3 Plain) and an icon drop-down (4 Symbols) that opens the drop-down "Symbols" (2 rows of
// 3 cells: S1, S2 with a tip, S3 disabled, S4), every drop event the control raises recorded as
// a row, and the points a user aims at on the band and on the open panel.
#pragma once
#include "bands/BandsOnForm.h"
#include "drop/MirelDrop.h"

class DropPanelsOnForm : public BandsInUse {
 protected:
  static constexpr int kFore = 1, kBack = 2, kPlain = 3, kSymbols = 4;

  void SetUp() override {
    BandsInUse::SetUp();
    SetToolIcons(16, {RGB(200, 0, 0), RGB(0, 150, 0)});
    auto tools = Bands()->Add({.Key = "Fmt", .lLineIndex = 1, .lLinePosition = 1, .lWidth = 300})->Tools();
    tools->Add({.Key = "Fore", .Icon = 1, .Style = teColorDropDown});
    tools->Add({.Key = "Back", .Icon = 2, .Style = teColorDropDown});
    tools->Add({.Key = "Plain", .Icon = 1});
    tools->Add({.Key = "Symbols", .Icon = 2, .Style = teIconDropDown});
    auto symbols = m_Bar->DropDowns()->Add(
        {.Key = Variant("Symbols"), .iRows = 2, .iColumns = 3, .oImageList = Variant::Long(HandleToLong(m_hIcons))});
    auto icons = symbols->Tools();
    icons->Add({.Key = "S1", .Enabled = true, .Icon = 1});
    icons->Add({.Key = "S2", .Enabled = true, .Icon = 2, .ToolTipText = "Second"});
    icons->Add({.Key = "S3", .Enabled = false, .Icon = 1});
    icons->Add({.Key = "S4", .Enabled = true, .Icon = 2});
    m_Log.answerDropDown = [](Variant& panel) { panel = Variant("Symbols"); };
    StartLogging();
  }
  static POINT Middle(const RECT& r, POINT offset = {0, 0}) {
    return {offset.x + (r.left + r.right) / 2, offset.y + (r.top + r.bottom) / 2};
  }
  // The middle of icon cell t of the open grid.
  POINT IconPoint(int t) {
    const int columns = Panel().Setup().DropDown.cDIColumns;
    const RECT cell = DropPanelLayout::HotCellInner((t - 1) % columns, (t - 1) / columns, Panel().Setup().cell);
    return PanelPoint(Middle(cell, DropPanelLayout::kGridOrigin));
  }
  MirelDrop* Drop() { return Inside(*m_Bar).BandData().DropHost(Surface(1).Index()); }
  const DropPanel& Panel() { return Drop()->Panel(); }
  bool PanelShown() { return Drop() != nullptr && Drop()->Shown(); }
  // A point of the open panel, in its client pixels.
  POINT PanelPoint(POINT client) {
    RECT rc{};
    GetWindowRect(Drop()->PopupWindow(), &rc);
    return POINT{rc.left + client.x, rc.top + client.y};
  }
  // The middle of palette cell (c, r) and of the "More Colors" strip.
  POINT CellPoint(int c, int r) { return PanelPoint(Middle(DropPanelLayout::CellRect({c, r}), PageOrigin())); }
  POINT MoreColorsPoint() { return PanelPoint(Middle(DropPanelLayout::ButtonRect(), PageOrigin())); }
  static POINT PageOrigin() { return {DropPanelLayout::PageRect().left, DropPanelLayout::PageRect().top}; }

  void OpenPanel(int t) { ClickAt(ArrowPoint(1, t)); }
};
