// A run-time menu bar with bands, placed on a form the way a host places it, and the pieces
// band tests share: a plain hosted control, the surface behind a band, the event log and the
// points a user aims at.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bands/MirelReBar.h"
#include "core/MirelMenuBar20Internals.h"
#include "support/BarOnForm.h"
#include "support/ControlInvariants.h"
#include "support/ImageLists.h"
#include "support/Values.h"
#include "win32/desktop.h"
#include "win32/objcount.h"

// A host's own control (a text box, say) that a teControl tool hosts.
struct HostedBox : UserControl {
  std::string TypeName() const override { return "TextBox"; }
};

using mirel_test::ErrorOf;
using mirel_test::SameSequence;
using mirel_test::Values;

class BandsOnForm : public mirel_test::BarOnForm {
 protected:
  void SetUp() override { BarOnForm::SetUp(); MakeBar({.endUpdate = false}); }
  void TearDown() override {
    BarOnForm::TearDown();
    if (m_hIcons) ImageList_Destroy(m_hIcons);
  }

  // Gives the bar a tool image list of size x size squares, one per colour.
  void SetToolIcons(int size, const std::vector<COLORREF>& colours) {
    m_hIcons = mirel_test::SolidImageList(size, colours);
    ctsMBImageListTypeConstants slot = imlToolItems;
    Variant handle = Variant::Long(HandleToLong(m_hIcons));  // a handle is a 32-bit integer
    m_Bar->SetImageList(slot, handle);
  }

  std::shared_ptr<cBands> Bands() { return m_Bar->Bands(); }
  std::shared_ptr<cBand> AddBand(std::int16_t line, std::int16_t position, std::int32_t width = 300) {
    return Bands()->Add({.lLineIndex = line, .lLinePosition = position, .lWidth = width});
  }
  MirelReBar& Surface(int p) { return Inside(*m_Bar).BandData().Surface(p); }
  // A hosted control of w x h pixels on the form.
  std::shared_ptr<HostedBox> AddHostedBox(int w, int h) {
    const float tx = Inside(*m_Bar).TwipsPerPixelX(), ty = Inside(*m_Bar).TwipsPerPixelY();
    return m_Form->AddControl<HostedBox>({"Text1", 0, 0, static_cast<float>(w) * tx, static_cast<float>(h) * ty});
  }

  HIMAGELIST m_hIcons = nullptr;
};

// Every band and drop event the control raises as a row "<event> <band> <bandKey> <tool> <toolKey> <args...>",
// in order; moves over tools only when asked.
class BandEventLog : public __MirelMenuBar20 {
  using I = std::int16_t;
  using S = std::string;

 public:
  bool bWithMoves = false;
  std::vector<S> rows;
  std::function<void(Variant&)> answerDropDown;
  std::function<void()> onClick;
  std::function<void(std::vector<S>&)> renameColors;

  void ToolButtonClick(I b, S bk, I t, S tk) override {
    Add("Click", b, bk, t, tk);
    if (onClick) onClick();
  }
  void ToolButtonMouseDown(I b, S bk, I t, S tk, I button, I, float, float) override { Add("Down", b, bk, t, tk, button); }
  void ToolButtonMouseMove(I b, S bk, I t, S tk, I, I, float, float) override { if (bWithMoves) Add("Move", b, bk, t, tk); }
  void ToolButtonMouseUp(I b, S bk, I t, S tk, I button, I, float, float) override { Add("Up", b, bk, t, tk, button); }
  void ToolButtonGroupIDChange(I b, S bk, I t, S tk, I o, S ok, I g) override { Add("Group", b, bk, t, tk, o, ok, g); }
  void ToolButtonToggleStateChange(I b, S bk, I t, S tk, VARIANT_BOOL state) override {
    Add("Toggle", b, bk, t, tk, state != VARIANT_FALSE ? "True" : "False");
  }
  void DisplayMoreToolsMouseDown(I b, S bk, I button, I, float X, float Y, float l, float bottom) override {
    Add("ChevronDown", b, bk, button, X, Y, l, bottom);
  }
  void DisplayMoreToolsMouseUp(I b, S bk, I button, I, float X, float Y, float l, float bottom) override {
    Add("ChevronUp", b, bk, button, X, Y, l, bottom);
  }
  void DropDownActivate(I b, S bk, I t, S tk, Variant& panel) override {
    Add("DropDownActivate", b, bk, t, tk);
    if (answerDropDown) answerDropDown(panel);
  }
  void OnDropDown(I b, S bk, I t, S tk) override { Add("OnDropDown", b, bk, t, tk); }
  void OnDropClose(I b, S bk, I t, S tk) override { Add("OnDropClose", b, bk, t, tk); }
  void ColorSelect(I b, S bk, I t, S tk, std::int32_t colour) override { Add("ColorSelect", b, bk, t, tk, colour); }
  void OnCustomColor(I b, S bk, I t, S tk) override { Add("OnCustomColor", b, bk, t, tk); }
  void OnCustomColorClose(I b, S bk, I t, S tk) override { Add("OnCustomColorClose", b, bk, t, tk); }
  void DropIconMouseMove(I b, S bk, I t, S tk, I i, S ik, I, I, float, float) override {
    Add("DropIconMouseMove", b, bk, t, tk, i, ik);
  }
  void DropIconClick(I b, S bk, I t, S tk, I i, S ik) override { Add("DropIconClick", b, bk, t, tk, i, ik); }
  void GetPredefinedColorStrings(std::vector<S>& names) override { if (renameColors) renameColors(names); }
  void MenuItemClick(I m, S mk, I i, S ik) override { Add("MenuItemClick", m, mk, i, ik); }
  void ErrorMessage(I id, Variant a, Variant b, Variant c) override { Add("ErrorMessage", id, CStr(a), CStr(b), CStr(c)); }

 private:
  template <typename... T>
  void Add(const T&... fields) { rows.push_back(Values(fields...)); }
};

// The rows `rows` followed by `more`.
inline std::vector<std::string> Then(std::vector<std::string> rows, const std::vector<std::string>& more) {
  rows.insert(rows.end(), more.begin(), more.end());
  return rows;
}

// Bands in use: the finished bar's events logged, the points a user aims at, and on tear-down
// no button held, no broken invariant, no window or GDI object left.
class BandsInUse : public BandsOnForm {
 protected:
  void StartLogging() { m_Bar->EndUpdate(); m_Bar->Connect(&m_Log); }
  void TearDown() override {
    Desktop().MouseUp(win32::MouseButton::Left);
    m_Bar->Disconnect(&m_Log);
    EXPECT_TRUE(mirel_test::BrokenInvariants(*m_Bar).empty());
    BandsOnForm::TearDown();
    EXPECT_EQ(win32::SnapshotLiveObjects(), win32::LiveObjectCounts{});
  }

  // Screen point of band p's client pixel (x, y), and the middle of tool t of band p.
  POINT BandPoint(int p, int x, int y) {
    POINT pt{x, y};
    ClientToScreen(Surface(p).hWnd(), &pt);
    return pt;
  }
  POINT ToolPoint(int p, int t, int dx = 0) {
    const tToolItemInfo& tool = Surface(p).Tool(t);
    return BandPoint(p, tool.cTILeft + tool.cTIWidth / 2 + dx, Surface(p).Height() / 2);
  }
  // A point on the drop-down arrow at the right end of tool t of band p.
  POINT ArrowPoint(int p, int t) { return ToolPoint(p, t, (Surface(p).Tool(t).cTIWidth + 1) / 2 - 4); }
  void MoveTo(POINT pt) { Desktop().MouseMove(pt.x, pt.y); }
  void Press(POINT pt) { MoveTo(pt); Desktop().MouseDown(win32::MouseButton::Left); }
  void Release(POINT pt) { MoveTo(pt); Desktop().MouseUp(win32::MouseButton::Left); }
  void ClickAt(POINT pt) { Press(pt); Desktop().MouseUp(win32::MouseButton::Left); }
  const std::vector<std::string>& Rows() const { return m_Log.rows; }

  BandEventLog m_Log;
};
