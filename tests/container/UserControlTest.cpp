// A user control as its container runs it: lifecycle order, extender sizes in twips,
// ambient properties, property-changed log, mouse and key events from injected input,
// MDI parentage, and no leaks.
#include <stdexcept>

#include "container/Form.h"
#include "container/MdiForm.h"
#include "container/Ole.h"
#include "support/HeadlessTest.h"
#include "support/Values.h"

namespace {

using mirel_test::SameSequence;
using mirel_test::Values;

// A control that records its events as text rows.
class RecordingControl : public UserControl {
 public:
  explicit RecordingControl(std::vector<std::string>& log, float initialHeight = 0)
      : m_Log(log), m_InitialHeight(initialHeight) {}
  std::string TypeName() const override { return "RecordingControl"; }
  using UserControl::PropertyChanged;
  bool bFailPaint = false;

 protected:
  void Initialize() override { m_Log.push_back("Initialize"); }
  void InitProperties() override {
    m_Log.push_back("InitProperties");
    if (m_InitialHeight > 0) Extender().SetHeight(m_InitialHeight);
  }
  void ReadProperties(PropertyBag& bag) override {
    m_Log.push_back("ReadProperties Caption=" + CStr(bag.ReadProperty("Caption", Variant("none"))));
  }
  void WriteProperties(PropertyBag& bag) override { bag.WriteProperty("Caption", Variant("saved"), Variant("")); }
  void Resize() override { m_Log.push_back("Resize " + std::to_string(ScaleWidth()) + "x" + std::to_string(ScaleHeight())); }
  void Show() override { m_Log.push_back("Show"); }
  void Hide() override { m_Log.push_back("Hide"); }
  void Paint() override {
    m_Log.push_back("Paint");
    if (bFailPaint) throw std::runtime_error("paint failed");
  }
  void Terminate() override { m_Log.push_back("Terminate"); }
  void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { m_Log.push_back(Values("MouseDown", b, s, x, y)); }
  void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { m_Log.push_back(Values("MouseMove", b, s, x, y)); }
  void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { m_Log.push_back(Values("MouseUp", b, s, x, y)); }
  void DblClick() override { m_Log.push_back("DblClick"); }
  void KeyDown(std::int16_t key, std::int16_t shift) override { m_Log.push_back(Values("KeyDown", key, shift)); }
  void KeyUp(std::int16_t key, std::int16_t shift) override { m_Log.push_back(Values("KeyUp", key, shift)); }
  void KeyPress(std::int16_t ascii) override { m_Log.push_back(Values("KeyPress", ascii)); }
  void GotFocus() override { m_Log.push_back("GotFocus"); }
  void LostFocus() override { m_Log.push_back("LostFocus"); }

 private:
  std::vector<std::string>& m_Log;
  float m_InitialHeight;
};

constexpr int kFormLeft = 100, kFormTop = 80;

FormOptions FormAt(bool userMode = true) { return {.left = kFormLeft, .top = kFormTop, .userMode = userMode, .font = {}}; }

class UserControlTest : public mirel_test::HeadlessTest {
 protected:
  std::vector<std::string> m_Log;
};

// New, removed, loaded from saved properties, and sized while initialising: each in order.
TEST_F(UserControlTest, LifecyclesOfNewRemovedAndLoadedInstancesInOrder) {
  const auto before = win32::SnapshotLiveObjects();
  {
    Form form(FormAt());
    form.Show();
    auto first = form.AddControl<RecordingControl>({"Bar1", 0, 0, 3000, 450}, m_Log);
    form.AddControl<RecordingControl>({"Bar2", 0, 450, 1500, 300}, m_Log);
    Desktop().DoEvents();
    const HWND window = first->hWnd();
    m_Log.push_back("-- remove Bar1");
    form.RemoveControl(*first);
    EXPECT_EQ(Values(IsWindow(window), form.Controls().size()), "0 1");
    m_Log.push_back("-- unload");
  }
  EXPECT_TRUE(win32::SnapshotLiveObjects() == before);
  EXPECT_TRUE(SameSequence({"Initialize", "InitProperties", "Resize 200x30", "Show", "Initialize", "InitProperties",
                            "Resize 100x20", "Show", "Paint", "Paint", "-- remove Bar1", "Hide", "Terminate", "-- unload",
                            "Hide", "Terminate"},
                           m_Log));

  m_Log.clear();
  MemoryPropertyBag saved;
  saved.WriteProperty("Caption", Variant("File"));
  Form form(FormAt());
  auto control = form.LoadControl<RecordingControl>({"Bar1", 0, 0, 1500, 300}, saved, m_Log);
  MemoryPropertyBag out;
  form.SaveControl(*control, out);
  EXPECT_EQ(out.Names(), std::vector<std::string>{"Caption"});
  m_Log.push_back("-- height set while initialising");
  form.AddControl<RecordingControl>({"Bar2", 0, 0, 3000, 1500}, m_Log, 360.0F);
  EXPECT_TRUE(SameSequence({"Initialize", "ReadProperties Caption=File", "Resize 100x20", "Show",
                            "-- height set while initialising", "Initialize", "InitProperties", "Resize 200x24", "Show"},
                           m_Log));
}

TEST_F(UserControlTest, AmbientPropertiesAndChangeLog) {
  Form designer(FormAt(false));
  auto control = designer.AddControl<RecordingControl>({"MenuBar1", 0, 0, 3000, 450}, m_Log);
  EXPECT_EQ(Values(control->Ambient().UserMode(), control->Ambient().Font()->Name(), control->Ambient().Font()->Size(),
                   control->Ambient().DisplayName()),
            "0 MS Sans Serif 8.25 MenuBar1");
  control->PropertyChanged("Theme");
  EXPECT_EQ(designer.PropertyChanges(), (std::vector<PropertyChange>{{"MenuBar1", "Theme"}}));
}

// Enabled and BackColor reach the window; a paint that throws still gives its DC back.
TEST_F(UserControlTest, EnabledBackColorAndAFailingPaint) {
  Form form(FormAt());
  form.Show();
  auto control = form.AddControl<RecordingControl>({"Bar1", 0, 0, 1500, 300}, m_Log);
  EXPECT_TRUE(control->Enabled());
  control->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(control->hWnd()));
  control->SetEnabled(true);
  control->SetBackColor(kOleSystemColorFlag | COLOR_WINDOW);
  Desktop().DoEvents();
  EXPECT_EQ(Desktop().ScreenPixel(kFormLeft + 3, kFormTop + 3), GetSysColor(COLOR_WINDOW));
  control->SetBackColor(RGB(0x12, 0x34, 0x56));
  Desktop().DoEvents();
  EXPECT_EQ(Desktop().ScreenPixel(kFormLeft + 99, kFormTop + 19), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(Desktop().ScreenPixel(kFormLeft + 100, kFormTop + 20), GetSysColor(COLOR_BTNFACE)) << "the form around it";

  const long dcsBefore = win32::LiveObjects(win32::ObjectKind::DC);
  control->bFailPaint = true;
  InvalidateRect(control->hWnd(), nullptr, FALSE);
  try {
    UpdateWindow(control->hWnd());
  } catch (const std::runtime_error&) {
    // Whether the failure reaches this far is the window procedure's business; the DC is not.
  }
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::DC), dcsBefore);
  control->bFailPaint = false;
}

TEST_F(UserControlTest, MouseEventsCarryButtonShiftAndPixelsAndKeysComeWithTheFocus) {
  Form form(FormAt());
  form.Show();
  // At twips (150, 300) = pixels (10, 20) inside the form.
  auto control = form.AddControl<RecordingControl>({"Bar1", 150, 300, 3000, 450}, m_Log);
  Desktop().DoEvents();
  m_Log.clear();
  const int x0 = kFormLeft + 10;
  const int y0 = kFormTop + 20;
  Desktop().MouseMove(x0 + 5, y0 + 7);
  Desktop().MouseDown(win32::MouseButton::Left);
  Desktop().MouseMove(x0 + 400, y0 + 9);  // outside: the control keeps the mouse
  Desktop().MouseUp(win32::MouseButton::Left);
  Desktop().KeyDown(VK_SHIFT);
  Desktop().MouseMove(x0 + 6, y0 + 8);
  Desktop().Click(win32::MouseButton::Right);
  Desktop().KeyUp(VK_SHIFT);
  EXPECT_EQ(GetFocus(), control->hWnd()) << "a click gives the control the focus";
  Desktop().KeyDown(VK_CONTROL);
  Desktop().KeyPress('A');
  Desktop().KeyUp(VK_CONTROL);
  Desktop().TypeChar('b');
  SetFocus(form.hWnd());
  EXPECT_TRUE(SameSequence({"MouseMove 0 0 5 7", "GotFocus", "MouseDown 1 0 5 7", "MouseMove 1 0 400 9", "MouseUp 1 0 400 9",
                            "KeyDown 16 1", "MouseMove 0 1 6 8", "MouseDown 2 1 6 8", "MouseUp 2 1 6 8", "KeyUp 16 0",
                            "KeyDown 17 2", "KeyDown 65 2", "KeyPress 1", "KeyUp 65 2", "KeyUp 17 0", "KeyDown 66 0",
                            "KeyPress 98", "KeyUp 66 0", "LostFocus"},
                           m_Log));
}

TEST_F(UserControlTest, MdiChildFormSitsInTheFramesClientWindow) {
  MdiForm frame;
  Form child({.font = {}, .mdiParent = &frame});
  auto control = child.AddControl<RecordingControl>({"Bar1", 0, 0, 1500, 300}, m_Log);
  EXPECT_EQ(Values(GetParent(control->hWnd()), GetParent(child.hWnd()), GetParent(frame.ClientHwnd()),
                   GetAncestor(control->hWnd(), GA_ROOT)),
            Values(child.hWnd(), frame.ClientHwnd(), frame.hWnd(), frame.hWnd()));
}

using OleTest = mirel_test::HeadlessTest;

TEST_F(OleTest, OleColoursTranslateSystemIndexes) {
  COLORREF system = 0, plain = 0, out = 0;
  EXPECT_EQ(Values(OleTranslateColor(kOleSystemColorFlag | COLOR_BTNFACE, nullptr, &system),
                   OleTranslateColor(0x123456, nullptr, &plain), OleTranslateColor(0x80000040, nullptr, &out),
                   OleTranslateColor(0x42000000, nullptr, &out), system, plain),
            Values(S_OK, S_OK, E_INVALIDARG, E_INVALIDARG, GetSysColor(COLOR_BTNFACE), 0x123456u));
  EXPECT_EQ(Values(TranslateOleColorOrBlack(0x80000040), TranslateOleColorOrBlack(kOleSystemColorFlag | COLOR_WINDOW)),
            Values(0u, GetSysColor(COLOR_WINDOW)));
}

}  // namespace
