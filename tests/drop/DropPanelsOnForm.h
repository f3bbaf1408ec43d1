// A run-time bar with one band "Fmt" holding two colour drop-downs (1 Fore, 2 Back), a plain
// tool (3 Plain) and an icon drop-down (4 Symbols) that opens the drop-down "Symbols" (2 rows of
// 3 cells: S1, S2 with a tip, S3 disabled, S4), every drop event the control raises recorded as
// a row, and the points a user aims at on the band and on the open panel.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "bands/BandsOnForm.h"
#include "drop/MirelDrop.h"
#include "support/ControlInvariants.h"
#include "win32/desktop.h"
#include "win32/objcount.h"

class DropEventLog : public __MirelMenuBar20 {
 public:
  std::vector<std::string> rows;
  std::function<void(Variant&)> answerDropDown;
  std::function<void(std::vector<std::string>&)> renameColors;

  void DropDownActivate(std::int16_t b, std::string bk, std::int16_t t, std::string tk, Variant& panel) override {
    Add("DropDownActivate", b, bk, t, tk);
    if (answerDropDown) answerDropDown(panel);
  }
  void OnDropDown(std::int16_t b, std::string bk, std::int16_t t, std::string tk) override { Add("OnDropDown", b, bk, t, tk); }
  void OnDropClose(std::int16_t b, std::string bk, std::int16_t t, std::string tk) override { Add("OnDropClose", b, bk, t, tk); }
  void ColorSelect(std::int16_t b, std::string bk, std::int16_t t, std::string tk, std::int32_t colour) override {
    Add("ColorSelect", b, bk, t, tk, std::to_string(colour));
  }
  void OnCustomColor(std::int16_t b, std::string bk, std::int16_t t, std::string tk) override {
    Add("OnCustomColor", b, bk, t, tk);
  }
  void OnCustomColorClose(std::int16_t b, std::string bk, std::int16_t t, std::string tk) override {
    Add("OnCustomColorClose", b, bk, t, tk);
  }
  void DropIconMouseMove(std::int16_t b, std::string bk, std::int16_t t, std::string tk, std::int16_t i,
                         std::string ik, std::int16_t, std::int16_t, float, float) override {
    Add("DropIconMouseMove", b, bk, t, tk, std::to_string(i) + " " + ik);
  }
  void DropIconClick(std::int16_t b, std::string bk, std::int16_t t, std::string tk, std::int16_t i,
                     std::string ik) override {
    Add("DropIconClick", b, bk, t, tk, std::to_string(i) + " " + ik);
  }
  void GetPredefinedColorStrings(std::vector<std::string>& names) override {
    if (renameColors) renameColors(names);
  }
  void ErrorMessage(std::int16_t id, Variant p1, Variant p2, Variant p3) override {
    rows.push_back("ErrorMessage " + std::to_string(id) + " " + CStr(p1) + " " + CStr(p2) + " " + CStr(p3));
  }

 private:
  void Add(const std::string& what, std::int16_t b, const std::string& bk, std::int16_t t, const std::string& tk,
           const std::string& extra = "") {
    rows.push_back(what + " " + std::to_string(b) + " " + bk + " " + std::to_string(t) + " " + tk +
                   (extra.empty() ? "" : " " + extra));
  }
};

// The rows `rows` followed by `more`.
inline std::vector<std::string> Then(std::vector<std::string> rows, const std::vector<std::string>& more) {
  rows.insert(rows.end(), more.begin(), more.end());
  return rows;
}

class DropPanelsOnForm : public BandsOnForm {
 protected:
  static constexpr int kFore = 1, kBack = 2, kPlain = 3, kSymbols = 4;

  void SetUp() override {
    BandsOnForm::SetUp();
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
    m_Bar->EndUpdate();
    m_Bar->Connect(&m_Log);
  }
  void TearDown() override {
    Desktop().MouseUp(win32::MouseButton::Left);
    m_Bar->Disconnect(&m_Log);
    EXPECT_TRUE(mirel_test::BrokenInvariants(*m_Bar).empty());
    BandsOnForm::TearDown();
    EXPECT_EQ(win32::SnapshotLiveObjects(), win32::LiveObjectCounts{});  // no window or GDI object left
  }

  POINT BandPoint(int x, int y) {
    POINT pt{x, y};
    ClientToScreen(Surface(1).hWnd(), &pt);
    return pt;
  }
  POINT ToolPoint(int t) {
    const tToolItemInfo& tool = Surface(1).Tool(t);
    return BandPoint(tool.cTILeft + tool.cTIWidth / 2, Surface(1).Height() / 2);
  }
  POINT ArrowPoint(int t) {
    const tToolItemInfo& tool = Surface(1).Tool(t);
    return BandPoint(tool.cTILeft + tool.cTIWidth - 4, Surface(1).Height() / 2);
  }
  // The middle of icon cell t of the open grid.
  POINT IconPoint(int t) {
    const SIZE cell = Drop()->Panel().Setup().cell;
    const int columns = Drop()->Panel().Setup().DropDown.cDIColumns;
    const RECT inner = DropPanelLayout::HotCellInner((t - 1) % columns, (t - 1) / columns, cell);
    return PanelPoint({DropPanelLayout::kGridOrigin.x + (inner.left + inner.right) / 2,
                       DropPanelLayout::kGridOrigin.y + (inner.top + inner.bottom) / 2});
  }
  MirelDrop* Drop() { return Inside(*m_Bar).BandData().DropHost(Surface(1).Index()); }
  bool PanelShown() { return Drop() != nullptr && Drop()->Shown(); }
  // A point of the open panel, in its client pixels.
  POINT PanelPoint(POINT client) {
    RECT rc{};
    GetWindowRect(Drop()->PopupWindow(), &rc);
    return POINT{rc.left + client.x, rc.top + client.y};
  }
  // The middle of palette cell (c, r) and of the "More Colors" strip.
  POINT CellPoint(int c, int r) {
    const RECT cell = DropPanelLayout::CellRect({c, r});
    const RECT page = DropPanelLayout::PageRect();
    return PanelPoint({page.left + (cell.left + cell.right) / 2, page.top + (cell.top + cell.bottom) / 2});
  }
  POINT MoreColorsPoint() {
    const RECT button = DropPanelLayout::ButtonRect();
    const RECT page = DropPanelLayout::PageRect();
    return PanelPoint({page.left + (button.left + button.right) / 2, page.top + (button.top + button.bottom) / 2});
  }

  void MoveTo(POINT pt) { Desktop().MouseMove(pt.x, pt.y); }
  void ClickAt(POINT pt) {
    MoveTo(pt);
    Desktop().MouseDown(win32::MouseButton::Left);
    Desktop().MouseUp(win32::MouseButton::Left);
  }
  void OpenPanel(int t) { ClickAt(ArrowPoint(t)); }
  const std::vector<std::string>& Rows() const { return m_Log.rows; }

  DropEventLog m_Log;
};
