// The off-screen surface as its owners use it: sizing, growing, keeping and releasing.
#include <memory>

#include "render/cMemDC.h"
#include "support/HeadlessTest.h"

namespace {

constexpr COLORREF kMark = RGB(200, 30, 90);

class MemDCTest : public mirel_test::HeadlessTest {};

TEST_F(MemDCTest, IsEmptyBeforeTheFirstSizing) {
  cMemDC surface;
  EXPECT_EQ(surface.hdc(), nullptr);
  EXPECT_EQ(surface.Width(), 0);
  EXPECT_EQ(surface.Height(), 0);
}

TEST_F(MemDCTest, HoldsFullColourPixelsOfTheRequestedSize) {
  cMemDC surface;
  surface.ChangeSize(40, 20);
  ASSERT_NE(surface.hdc(), nullptr);
  EXPECT_EQ(surface.Width(), 40);
  EXPECT_EQ(surface.Height(), 20);
  SetPixelV(surface.hdc(), 39, 19, kMark);
  EXPECT_EQ(GetPixel(surface.hdc(), 39, 19), kMark);  // not the monochrome default
  EXPECT_EQ(GetPixel(surface.hdc(), 40, 19), CLR_INVALID);
  EXPECT_EQ(GetPixel(surface.hdc(), 39, 20), CLR_INVALID);
}

TEST_F(MemDCTest, ChangeSizeWithTheCurrentSizeKeepsTheSameSurface) {
  cMemDC surface;
  surface.ChangeSize(30, 12);
  HDC before = surface.hdc();
  SetPixelV(before, 3, 4, kMark);
  surface.ChangeSize(30, 12);
  EXPECT_EQ(surface.hdc(), before);
  EXPECT_EQ(GetPixel(surface.hdc(), 3, 4), kMark);
}

TEST_F(MemDCTest, ChangeSizeSmallerGivesANewSmallerSurface) {
  cMemDC surface;
  surface.ChangeSize(30, 12);
  SetPixelV(surface.hdc(), 3, 4, kMark);
  surface.ChangeSize(10, 5);
  ASSERT_NE(surface.hdc(), nullptr);
  EXPECT_EQ(surface.Width(), 10);
  EXPECT_EQ(surface.Height(), 5);
  EXPECT_NE(GetPixel(surface.hdc(), 3, 4), kMark);
  EXPECT_EQ(GetPixel(surface.hdc(), 10, 0), CLR_INVALID);
}

TEST_F(MemDCTest, WritingASmallerWidthOrHeightKeepsTheLargerSurface) {
  cMemDC surface;
  surface.ChangeSize(30, 12);
  HDC before = surface.hdc();
  SetPixelV(before, 29, 11, kMark);
  surface.SetWidth(20);
  surface.SetHeight(12);
  EXPECT_EQ(surface.hdc(), before);
  EXPECT_EQ(surface.Width(), 30);
  EXPECT_EQ(surface.Height(), 12);
  EXPECT_EQ(GetPixel(surface.hdc(), 29, 11), kMark);
}

TEST_F(MemDCTest, WritingALargerWidthOrHeightGrowsAndKeepsTheOtherSide) {
  cMemDC surface;
  surface.ChangeSize(30, 12);
  surface.SetWidth(50);
  EXPECT_EQ(surface.Width(), 50);
  EXPECT_EQ(surface.Height(), 12);
  SetPixelV(surface.hdc(), 49, 11, kMark);
  EXPECT_EQ(GetPixel(surface.hdc(), 49, 11), kMark);
  surface.SetHeight(16);
  EXPECT_EQ(surface.Width(), 50);
  EXPECT_EQ(surface.Height(), 16);
  EXPECT_EQ(GetPixel(surface.hdc(), 49, 15), RGB(0, 0, 0));
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
