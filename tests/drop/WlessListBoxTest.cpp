// The windowless list box as its host drives it: keys and mouse input forwarded with the
// notifications it answers, in order; its rows read back as pixels; and scrolling through a
// themed scroll bar. (The scroll bar following the keys is checked on the colour picker's
// system page, through the panel's own wiring.)

#include "container/Screen.h"
#include "drop/CWlessListBox.h"
#include "drop/MirelVScroll.h"
#include "support/Errors.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"

namespace {

using mirel_test::SameSequence;
using mirel_test::Sequence;
using mirel_test::Values;

constexpr RECT kHostRect{100, 100, 400, 300};
constexpr LONG kListLeft = 10, kListTop = 20, kListWidth = 160;
constexpr int kVisibleRows = 4;
constexpr std::int16_t kShift = 1, kLeft = 1;

const std::vector<std::pair<std::string, OLE_COLOR>> kItems = {
    {"Scrollbars", RGB(212, 208, 200)}, {"Desktop", RGB(58, 110, 165)},   {"Active Title", RGB(10, 36, 106)},
    {"Inactive Title", RGB(128, 128, 128)}, {"Menu", RGB(212, 208, 200)}, {"Window", RGB(255, 255, 255)},
    {"Window Frame", RGB(0, 0, 0)},     {"Menu Text", RGB(0, 0, 0)},      {"Window Text", RGB(0, 0, 0)},
    {"Title Text", RGB(255, 255, 255)},
};

class WlessListBoxTest : public mirel_test::HeadlessTest, public IListBoxOwner, public IVScrollOwner {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    m_hHost = mirel_test::CreateTestWindow("host", kHostRect);
    SetPropA(m_hHost, CWlessListBox::kDropHostProp, this);
    m_List = std::make_unique<CWlessListBox>(*this);
    m_List->SetDropHwnd(m_hHost);
    m_List->SetHoldDraw(true);
    for (const auto& [text, colour] : kItems) m_List->AddItem(text, colour);
    m_List->Move(kListLeft, kListTop, kListWidth, 1);
    m_List->SetHoldDraw(false);
    m_List->Render();  // measures the rows
    m_List->Move(kListLeft, kListTop, kListWidth, kVisibleRows * m_List->ItemHeight() + m_List->ItemHeight() / 2);
    m_List->SetHasFocus(true);
  }
  void TearDown() override {
    m_Scroll.reset();
    m_List.reset();
    RemovePropA(m_hHost, CWlessListBox::kDropHostProp);
    DestroyWindow(m_hHost);
    EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_) << "a window or GDI object was left";
  }

  void ListClick() override { m_Events.push_back("Click"); }
  void ListKeyDown(std::int16_t key, std::int16_t shift) override { Add("KeyDown", key, shift); }
  void ListKeyPress(std::int16_t key) override { Add("KeyPress", key); }
  void ListKeyUp(std::int16_t key, std::int16_t shift) override { Add("KeyUp", key, shift); }
  void ListMouseDown(std::int16_t b, std::int16_t s, float x, float y) override { Add("MouseDown", b, s, x, y); }
  void ListMouseMove(std::int16_t b, std::int16_t s, float x, float y) override { Add("MouseMove", b, s, x, y); }
  void ListMouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Add("MouseUp", b, s, x, y); }
  void ListTopIndexChanged(std::int32_t top) override { Add("Top", top); }
  void VScrollChange(MirelVScroll& s) override { m_List->vsbChange(s.Value()); }
  void VScrollScroll(MirelVScroll& s) override { m_List->vsbChange(s.Value()); }
  void VScrollEnd(MirelVScroll& /*s*/) override {}

  template <class... Args>
  void Add(const Args&... fields) { m_Events.push_back(Values(fields...)); }
  // Where the list's row `row` (0 = the top row) lies in the host's client area.
  LONG RowTop(int row) const { return kListTop + row * m_List->ItemHeight(); }
  void Start(std::int32_t listIndex, std::int32_t topIndex) {
    m_List->SetListIndex(listIndex);
    m_List->SetTopIndex(topIndex);
    m_Events.clear();
  }

  HWND m_hHost = nullptr;
  std::unique_ptr<CWlessListBox> m_List;
  std::unique_ptr<MirelVScroll> m_Scroll;
  Sequence m_Events;
};

TEST_F(WlessListBoxTest, KeysMoveTheSelectionScrollItIntoViewAndNotify) {
  const struct {
    std::int32_t index, top;
    eListKey type;
    std::int16_t key;
    std::int32_t expectedIndex, expectedTop;
    Sequence events;
  } rows[] = {
      {1, 0, eListKey::KeyDown, VK_DOWN, 2, 0, {"Top 0", "KeyDown 40 1", "Click"}},
      {3, 0, eListKey::KeyDown, VK_DOWN, 4, 1, {"Top 1", "KeyDown 40 1", "Click"}},
      {9, 6, eListKey::KeyDown, VK_DOWN, 9, 6, {"KeyDown 40 1"}},
      {0, 0, eListKey::KeyDown, VK_UP, 0, 0, {"KeyDown 38 1"}},
      {5, 5, eListKey::KeyDown, VK_UP, 4, 4, {"Top 4", "KeyDown 38 1", "Click"}},
      {-1, 0, eListKey::KeyDown, VK_DOWN, 0, 0, {"Top 0", "KeyDown 40 1", "Click"}},
      {2, 0, eListKey::KeyPress, 13, 2, 0, {"KeyPress 13", "Click"}},
      {2, 0, eListKey::KeyPress, 'a', 2, 0, {"KeyPress 97"}},
      {2, 0, eListKey::KeyUp, VK_DOWN, 2, 0, {"KeyUp 40 1"}},
  };
  for (const auto& r : rows) {
    Start(r.index, r.top);
    m_List->KeyTest(r.type, r.key, kShift);
    EXPECT_EQ(m_List->ListIndex(), r.expectedIndex) << "from " << r.index << " key " << r.key;
    EXPECT_EQ(m_List->TopIndex(), r.expectedTop) << "from " << r.index << " key " << r.key;
    EXPECT_TRUE(SameSequence(r.events, m_Events)) << "from " << r.index << " key " << r.key;
  }
  Start(2, 0);
  m_List->SetHasFocus(false);
  m_List->KeyTest(eListKey::KeyDown, VK_DOWN, 0);
  EXPECT_EQ(Values(m_List->ListIndex(), m_Events.size()), "2 0") << "keys without the focus";
}

TEST_F(WlessListBoxTest, MouseDownSelectsTheRowUnderItAndMouseUpClicks) {
  const float h = static_cast<float>(m_List->ItemHeight());
  const float twipsY = TwipsPerPixelY();
  const struct {
    std::int16_t appearance;
    std::int32_t top;
    float y;
    std::int32_t expectedIndex;
  } rows[] = {
      {0, 0, 2.5F * h, 2},           {0, 5, 0.5F * h, 5},  {0, 7, 3.5F * h, 7},  // below the last item
      {1, 0, 1.5F * h * twipsY, 1},  {0, 0, -1.0F, 7},
  };
  for (const auto& r : rows) {
    m_List->SetAppearance(r.appearance);
    Start(7, r.top);
    m_List->HitTest(eListMouse::Down, kLeft, 0, 4, r.y);
    m_List->HitTest(eListMouse::Move, 0, 0, 5, r.y);
    m_List->HitTest(eListMouse::Up, kLeft, 0, 5, r.y);
    const float y = r.appearance == 1 ? r.y / twipsY : r.y;
    const float x = r.appearance == 1 ? 1.0F / TwipsPerPixelX() : 1.0F;
    EXPECT_EQ(m_List->ListIndex(), r.expectedIndex) << "top " << r.top << " y " << r.y;
    EXPECT_TRUE(SameSequence({Values("MouseDown 1 0", 4 * x, y), Values("MouseMove 0 0", 5 * x, y),
                              Values("MouseUp 1 0", 5 * x, y), "Click"},
                             m_Events));
  }
}

TEST_F(WlessListBoxTest, InputAfterTheDropHostWentRaisesObjectUnloadedAndChangesNothing) {
  Start(1, 0);
  RemovePropA(m_hHost, CWlessListBox::kDropHostProp);
  const mirel_test::RaisedError unloaded{364, "voxMirelMBar20.cWLessListBox", "Object has been unloaded."};
  EXPECT_EQ(mirel_test::ErrorFrom([&] { m_List->KeyTest(eListKey::KeyDown, VK_DOWN, 0); }), unloaded);
  EXPECT_EQ(mirel_test::ErrorFrom([&] { m_List->HitTest(eListMouse::Down, kLeft, 0, 4, 0); }), unloaded);
  EXPECT_EQ(Values(m_List->ListIndex(), m_Events.size()), "1 0");
}

TEST_F(WlessListBoxTest, RowsShowASwatchOfTheirColourAndTheSelectionHighlighted) {
  Start(2, 1);
  m_List->Render();
  const LONG h = m_List->ItemHeight();
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const struct {
    const char* what;
    LONG x, y;
    COLORREF expected;
  } probes[] = {
      {"swatch of item 1", kListLeft + 3 + 2, RowTop(0) + h / 2, kItems[1].second},
      {"swatch of item 3", kListLeft + 3 + 2, RowTop(2) + h / 2, kItems[3].second},
      {"swatch outline", kListLeft + 3, RowTop(0) + h / 2, GetSysColor(COLOR_BTNFACE)},
      {"selected row, right end", kListLeft + kListWidth - 3, RowTop(1) + h / 2, highlight},
      {"unselected row, right end", kListLeft + kListWidth - 3, RowTop(2) + h / 2, RGB(246, 246, 246)},
      {"left of the swatch", kListLeft + 1, RowTop(1) + h / 2, RGB(246, 246, 246)},
  };
  Sequence expected, seen;
  for (const auto& p : probes) {
    expected.push_back(Values(p.what, mirel_test::ColourText(p.expected)));
    seen.push_back(Values(p.what, mirel_test::ColourText(Desktop().WindowPixel(m_hHost, p.x, p.y))));
  }
  EXPECT_TRUE(SameSequence(expected, seen));
}

TEST_F(WlessListBoxTest, ScrollsThroughItsScrollBar) {
  const LONG height = kVisibleRows * m_List->ItemHeight();
  const RECT rect{kListLeft + kListWidth, kListTop, kListLeft + kListWidth + 17, kListTop + height};
  m_Scroll = std::make_unique<MirelVScroll>(m_hHost, rect, *this);
  m_Scroll->SetMax(static_cast<double>(kItems.size()) - kVisibleRows);
  m_Scroll->SetLargeChange(kVisibleRows);
  // A click on the scroll bar's down arrow shows the next item on top.
  Desktop().MouseMove(kHostRect.left + rect.left + 8, kHostRect.top + rect.bottom - 4);
  Desktop().Click();
  EXPECT_EQ(m_List->TopIndex(), 1);
}

}  // namespace
