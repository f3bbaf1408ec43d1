// The themed scroll bar as a user meets it: injected mouse input on a host window, the virtual
// clock for auto-repeat and the leave poll, and the notifications its host receives, in order;
// and its picture in every theme and part state against the artwork it is composed from.

#include "container/Screen.h"
#include "drop/MirelVScroll.h"
#include "drop/VScrollPainter.h"
#include "render/ResourceBitmaps.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"

namespace {

using mirel_test::SameSequence;
using mirel_test::Sequence;
using mirel_test::Values;

constexpr RECT kHostRect{100, 100, 300, 300};
constexpr RECT kScrollRect{20, 10, 37, 160};  // 17 x 150 in the host's client area
constexpr int kMiddleX = 8;
constexpr int kHeight = kScrollRect.bottom - kScrollRect.top;

class VScrollTest : public mirel_test::HeadlessTest, public IVScrollOwner {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    m_hHost = mirel_test::CreateTestWindow("host", kHostRect);
    m_Scroll = std::make_unique<MirelVScroll>(m_hHost, kScrollRect, *this);
  }
  void TearDown() override {
    m_Scroll.reset();
    DestroyWindow(m_hHost);
    EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_) << "a window or GDI object was left";
  }

  void VScrollChange(MirelVScroll& s) override { m_Events.push_back(Values("Change", s.Value())); }
  void VScrollScroll(MirelVScroll& s) override { m_Events.push_back(Values("Scroll", s.Value())); }
  void VScrollEnd(MirelVScroll& s) override { m_Events.push_back(Values("ScrollEnd", s.Value())); }

  // The pointer to (x, y) of the scroll bar's client area.
  void PointAt(int y, int x = kMiddleX) {
    Desktop().MouseMove(kHostRect.left + kScrollRect.left + x, kHostRect.top + kScrollRect.top + y);
  }
  void Press(int y) { PointAt(y); Desktop().MouseDown(win32::MouseButton::Left); }
  int ThumbLength() const { return m_Scroll->ThumbRect().bottom - m_Scroll->ThumbRect().top; }
  int Track() const { return kHeight - m_Scroll->TopArrowHeight() - m_Scroll->BottomArrowHeight(); }
  void Release() { Desktop().MouseUp(win32::MouseButton::Left); }
  void SetRange(double min, double max, double value, double smallChange, double largeChange) {
    m_Scroll->SetMin(min), m_Scroll->SetMax(max), m_Scroll->SetValue(value);
    m_Scroll->SetSmallChange(smallChange), m_Scroll->SetLargeChange(largeChange);
  }
  int ThumbMiddle() const { return (m_Scroll->ThumbRect().top + m_Scroll->ThumbRect().bottom) / 2; }
  int UpArrowY() const { return m_Scroll->TopArrowHeight() / 2; }
  int DownArrowY() const { return kHeight - m_Scroll->BottomArrowHeight() / 2; }

  HWND m_hHost = nullptr;
  std::unique_ptr<MirelVScroll> m_Scroll;
  Sequence m_Events;
};

TEST_F(VScrollTest, ArrowClicksStepAndStopExactlyAtMinAndMaxAndNotWhenDisabled) {
  struct Row {
    double min, max, value, smallChange;
    bool down;
    Sequence events;
    bool enabled = true;
  };
  const std::vector<Row> rows = {
      {0, 10, 9.5, 1, true, {"Change 10"}},   {0, 10, 0.5, 1, false, {"Change 0"}},
      {-5, 5, 0, 2, true, {"Change 2"}},      {0, 10, 10, 1, true, {}},
      {0, 10, 0, 1, false, {}},               {0, 1, 0.25, 0.5, true, {"Change 0.75"}},
      {0, 10, 5, 1, true, {}, false},
  };
  for (const Row& r : rows) {
    SetRange(r.min, r.max, r.value, r.smallChange, 1);
    m_Scroll->SetEnabled(r.enabled);
    m_Events.clear();
    Press(r.down ? DownArrowY() : UpArrowY());
    Desktop().AdvanceTime(r.enabled ? 0 : 1000);  // nor does holding repeat anything
    Release();
    EXPECT_TRUE(SameSequence(r.events, m_Events)) << "from " << r.value << (r.down ? " down" : " up");
    if (r.events.empty()) { EXPECT_EQ(m_Scroll->Value(), r.value); }
  }
}

TEST_F(VScrollTest, ThumbIsTheTrackOverThePagesAtLeast240TwipsAndKeptOnAZeroRangeOrPage) {
  const int track = Track();
  const int minimum = static_cast<int>(240 / TwipsPerPixelY());
  // A zero range or page keeps the length the row before left.
  const struct {
    double min, max, largeChange;
    int length;
  } rows[] = {{0, 2, 1, track / 2}, {0, 4, 1, track / 4}, {0, 1, 5, track},   {0, 100, 1, minimum},
              {5, 5, 1, minimum},   {0, 8, 2, track / 4}, {0, 8, 0, track / 4}};
  for (const auto& r : rows) {
    SetRange(r.min, r.max, r.min, 1, r.largeChange);
    EXPECT_EQ(ThumbLength(), r.length) << r.min << ".." << r.max << " page " << r.largeChange;
  }
}

TEST_F(VScrollTest, HeldArrowStepsAtOnceAfter500msThenEvery50msWhileOverIt) {
  SetRange(0, 100, 0, 1, 10);
  const struct {
    const char* what;
    DWORD advance;
    double value;
  } steps[] = {
      {"press", 0, 1},   {"hold", 499, 1}, {"hold", 1, 2},  {"hold", 49, 2},   {"hold", 1, 3},
      {"hold", 50, 4},   {"hold", 50, 5},  {"off", 200, 5}, {"back", 50, 6},   {"release", 500, 6},
  };
  Sequence expected, actual;
  for (const auto& s : steps) {
    const std::string what = s.what;
    if (what == "press") Press(DownArrowY());
    if (what == "off") PointAt(ThumbMiddle());
    if (what == "back") PointAt(DownArrowY());
    if (what == "release") Release();
    Desktop().AdvanceTime(s.advance);
    expected.push_back(Values(what, s.advance, s.value));
    actual.push_back(Values(what, s.advance, m_Scroll->Value()));
  }
  EXPECT_TRUE(SameSequence(expected, actual));
}

TEST_F(VScrollTest, TrackPressPagesUntilTheThumbCoversThePressPointThenStops) {
  struct Row {
    double value, expected;
    int pressY;
  };
  for (const Row& r : {Row{0, 70, 100}, Row{100, 20, 40}}) {
    SetRange(0, 100, r.value, 1, 10);
    Press(r.pressY);
    Desktop().AdvanceTime(1000);
    const RECT thumb = m_Scroll->ThumbRect();
    EXPECT_TRUE(thumb.top <= r.pressY && r.pressY < thumb.bottom)
        << "thumb " << thumb.top << ".." << thumb.bottom << " press " << r.pressY;
    EXPECT_EQ(m_Scroll->Value(), r.expected);
    m_Events.clear();
    Desktop().AdvanceTime(1000);
    Release();
    EXPECT_TRUE(SameSequence({}, m_Events)) << "paging went on past the press point";
  }
}

TEST_F(VScrollTest, DraggingFollowsTheMouseAndClampsToMinAndMaxExactly) {
  SetRange(-3, 7, -3, 1, 1);
  const int grab = ThumbMiddle();
  const int freeTrack = Track() - ThumbLength();
  Press(grab);
  PointAt(grab + freeTrack / 2);
  PointAt(kHeight + 250);  // far below the control: the capture keeps the drag
  PointAt(-200);
  Release();
  EXPECT_TRUE(SameSequence({"Scroll 2", "Scroll 7", "Scroll -3", "ScrollEnd -3"}, m_Events));
  EXPECT_EQ(m_Scroll->ThumbRect().top, m_Scroll->TopArrowHeight());
}

TEST_F(VScrollTest, HotPictureFollowsThePartAndClearsWithin10msOfLeavingButNotDuringADrag) {
  SetRange(0, 10, 10, 1, 5);  // the thumb at the bottom leaves the top of the track bare
  const int trackY = m_Scroll->TopArrowHeight();
  const win32::Surface* back = DecodedResourceBitmap("VS_BACK(0)");
  const win32::Surface* backHot = DecodedResourceBitmap("VS_BACKHOT(0)");
  ASSERT_TRUE(back != nullptr && backHot != nullptr);
  ASSERT_NE(back->At(kMiddleX, 0), backHot->At(kMiddleX, 0));

  // "<where> <paint state> <hot> <track pixel>"
  Sequence expected, actual;
  const auto check = [&](const char* where, eVScrollPaint paint, bool hot) {
    expected.push_back(Values(where, static_cast<int>(paint), hot, (hot ? backHot : back)->At(kMiddleX, 0)));
    actual.push_back(Values(where, static_cast<int>(m_Scroll->PaintState()), m_Scroll->Hot(),
                            Desktop().WindowPixel(m_Scroll->hWnd(), kMiddleX, trackY)));
  };
  PointAt(ThumbMiddle());
  check("thumb", eVScrollPaint::ThumbHot, true);
  PointAt(UpArrowY());
  check("up arrow", eVScrollPaint::UpHot, true);
  PointAt(trackY + 2);
  check("track", eVScrollPaint::None, true);
  Desktop().MouseMove(kHostRect.left + 5, kHostRect.top + 5);
  Desktop().AdvanceTime(10);
  check("left, +10ms", eVScrollPaint::None, false);
  Press(ThumbMiddle());
  PointAt(ThumbMiddle(), -kScrollRect.left);  // level with the grip, so the thumb stays
  Desktop().AdvanceTime(50);
  check("dragged outside, +50ms", eVScrollPaint::ThumbPressed, true);
  Release();
  Desktop().AdvanceTime(10);
  check("released outside, +10ms", eVScrollPaint::None, false);
  EXPECT_TRUE(SameSequence(expected, actual));
}

// Every state's picture: the row where its piece of the theme's artwork starts shows that piece's first row.
class VScrollPicture : public mirel_test::HeadlessTest, public ::testing::WithParamInterface<int> {};

TEST_P(VScrollPicture, EveryStateShowsItsPieceOfTheThemesArtwork) {
  constexpr int kWidth = 17, kLength = 120, kArrow = 17, kThumbTop = 40, kThumbLength = 36;
  const struct {
    const char* label;
    eVScrollPaint paint;
    bool enabled;
    const char* piece;  // its first row must appear at row y; "(" ends a themed name
    int y;
  } cases[] = {
      {"normal", eVScrollPaint::None, true, "VS_UP(", 0},
      {"up hot", eVScrollPaint::UpHot, true, "VS_UPHOT(", 0},
      {"up pressed", eVScrollPaint::UpPressed, true, "VS_UPPRESS(", 0},
      {"down hot", eVScrollPaint::DownHot, true, "VS_DOWNHOT(", kLength - kArrow},
      {"down pressed", eVScrollPaint::DownPressed, true, "VS_DOWNPRESS(", kLength - kArrow},
      {"thumb hot", eVScrollPaint::ThumbHot, true, "VS_TOPHOT(", kThumbTop},
      {"thumb pressed", eVScrollPaint::ThumbPressed, true, "VS_TOPPRESS(", kThumbTop},
      {"thumb", eVScrollPaint::None, true, "VS_TOP(", kThumbTop},
      {"disabled", eVScrollPaint::None, false, "VS_UPDISABLED", 0},
  };
  const int theme = GetParam();
  Sequence expected, actual;
  {
    styles::ArtworkCache artwork;
    for (const auto& c : cases) {
      mirel_test::Canvas one(kWidth, kLength);
      DrawVScroll(one.dc(), {kWidth, kLength, kArrow, kArrow, kThumbTop, kThumbLength, c.enabled, true, c.paint}, theme,
                  artwork);
      const std::string stem = c.piece;
      const win32::Surface* piece = DecodedResourceBitmap(stem.back() == '(' ? ThemedResourceName(stem, theme) : stem);
      ASSERT_NE(piece, nullptr) << c.piece;
      for (int x = 0; x < kWidth; ++x) {
        expected.push_back(Values(c.label, x, mirel_test::ColourText(piece->At(x, 0))));
        actual.push_back(Values(c.label, x, mirel_test::ColourText(one.At(x, c.y))));
      }
    }
  }  // the canvases and the artwork go before the count
  EXPECT_TRUE(SameSequence(expected, actual));
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

INSTANTIATE_TEST_SUITE_P(Themes, VScrollPicture, ::testing::Values(0, 1, 2));

}  // namespace
