// The off-screen surface as its owners use it: sizing, growing, keeping and releasing.
#include <functional>
#include <memory>

#include "render/cMemDC.h"
#include "support/HeadlessTest.h"
#include "support/Values.h"

namespace {

using mirel_test::Values;

using mirel_test::SameSequence;
using mirel_test::Sequence;

constexpr COLORREF kMark = RGB(200, 30, 90);

class MemDCTest : public mirel_test::HeadlessTest {};

TEST_F(MemDCTest, IsEmptyUntilSizedThenHoldsFullColourPixelsOfTheRequestedSize) {
  cMemDC surface;
  EXPECT_EQ(Values(surface.hdc() == nullptr, surface.Width(), surface.Height()), "1 0 0");
  surface.ChangeSize(40, 20);
  ASSERT_NE(surface.hdc(), nullptr);
  SetPixelV(surface.hdc(), 39, 19, kMark);
  // Full colour, not the monochrome default, and nothing beyond the size.
  EXPECT_EQ(Values(GetPixel(surface.hdc(), 39, 19), GetPixel(surface.hdc(), 40, 19), GetPixel(surface.hdc(), 39, 20)),
            Values(kMark, CLR_INVALID, CLR_INVALID));
}

// Each step starts from a 30 x 12 surface marked at (3, 4) and reports the size afterwards,
// whether the same surface was kept, and the mark (or, when it grew, the new corner).
TEST_F(MemDCTest, ResizingKeepsTheSurfaceUnlessItMustChange) {
  const struct {
    const char* step;
    std::function<void(cMemDC&)> apply;
    bool checkMark;
    const char* expected;
  } cases[] = {
      {"ChangeSize(30, 12)", [](cMemDC& s) { s.ChangeSize(30, 12); }, true, "30x12 same, mark kept"},
      {"ChangeSize(10, 5)", [](cMemDC& s) { s.ChangeSize(10, 5); }, true, "10x5 new, mark gone"},
      {"SetWidth(20)", [](cMemDC& s) { s.SetWidth(20); }, true, "30x12 same, mark kept"},
      {"SetHeight(12)", [](cMemDC& s) { s.SetHeight(12); }, true, "30x12 same, mark kept"},
      {"SetWidth(50)", [](cMemDC& s) { s.SetWidth(50); }, false, "50x12 new, grown part black"},
      {"SetHeight(16)", [](cMemDC& s) { s.SetHeight(16); }, false, "30x16 new, grown part black"},
  };
  Sequence expected;
  Sequence actual;
  for (const auto& c : cases) {
    cMemDC surface;
    surface.ChangeSize(30, 12);
    HDC before = surface.hdc();
    SetPixelV(before, 3, 4, kMark);
    c.apply(surface);
    const int w = surface.Width();
    const int h = surface.Height();
    std::string row = std::to_string(w) + "x" + std::to_string(h) + (surface.hdc() == before ? " same" : " new");
    if (c.checkMark) {
      row += GetPixel(surface.hdc(), 3, 4) == kMark ? ", mark kept" : ", mark gone";
    } else {
      row += GetPixel(surface.hdc(), w - 1, h - 1) == RGB(0, 0, 0) ? ", grown part black" : ", grown part not black";
    }
    // Every pixel of the reported size is there, and none beyond it.
    SetPixelV(surface.hdc(), w - 1, h - 1, kMark);
    if (GetPixel(surface.hdc(), w - 1, h - 1) != kMark || GetPixel(surface.hdc(), w, h - 1) != CLR_INVALID) {
      row += ", wrong extent";
    }
    expected.push_back(std::string(c.step) + ": " + c.expected);
    actual.push_back(std::string(c.step) + ": " + row);
  }
  EXPECT_TRUE(SameSequence(expected, actual));
}

TEST_F(MemDCTest, DestroyingSurfacesReleasesEveryObject) {
  {
    auto first = std::make_unique<cMemDC>();
    cMemDC second;
    first->ChangeSize(64, 32);
    first->ChangeSize(16, 8);
    first->SetWidth(80);
    second.ChangeSize(5, 5);
    EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::DC) - countsAtStart_.counts[static_cast<size_t>(win32::ObjectKind::DC)], 2);
    first.reset();
  }
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

}  // namespace
