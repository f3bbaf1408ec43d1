// Surfaces and pictures as the painters use them: sizing and keeping surfaces, artwork loaded
// into them, opaque, stretched and transparent copies, solid rectangles, automation colours,
// and list images drawn through a handle, a lending object or the host's "ImageList" control.
#include <functional>
#include <memory>

#include "common/ImageListSlot.h"
#include "container/ImageList.h"
#include "container/StdPicture.h"
#include "render/ResourceBitmaps.h"
#include "render/cMemDC.h"
#include "render/modDrawHelpers.h"
#include "render/modImageList.h"
#include "render/modPicture.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"
#include "win32/commctrl.h"

namespace {

using namespace mirel_test;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(220, 20, 20);
constexpr COLORREF kBlue = RGB(20, 40, 210);
constexpr COLORREF kGreen = RGB(10, 180, 60);
constexpr COLORREF kGround = RGB(240, 230, 200);
constexpr COLORREF kMark = RGB(200, 30, 90);

// Every test ends with the object counts it started with.
class PictureTest : public HeadlessTest {
 protected:
  void TearDown() override { EXPECT_EQ(CountRows(win32::SnapshotLiveObjects()), CountRows(countsAtStart_)); }
};
using MemDCTest = PictureTest;

// A 4 x 3 picture on the key colour (its top-left pixel): red, blue and green strokes.
constexpr int kGlyphWidth = 4;
constexpr int kGlyphHeight = 3;
constexpr COLORREF kGlyph[kGlyphHeight][kGlyphWidth] = {
    {kKey, kRed, kRed, kKey},
    {kKey, kBlue, kBlue, kGreen},
    {kKey, kKey, kKey, kGreen},
};

std::shared_ptr<StdPicture> GlyphPicture() {
  win32::Surface pixels;
  pixels.Resize(kGlyphWidth, kGlyphHeight);
  for (int y = 0; y < kGlyphHeight; ++y) {
    for (int x = 0; x < kGlyphWidth; ++x) pixels.At(x, y) = kGlyph[y][x];
  }
  return StdPicture::FromSurface(pixels);
}

// An unknown (or wrongly cased) artwork name leaves the surface as it was.
TEST_F(PictureTest, ArtworkLoadsWithItsOwnPixelsAtAnyResolution) {
  for (int dpi : {96, 120, 144}) {
    ResetDesktop({.dpi = dpi});
    for (const char* name : {"MENUBAR2003_BITMAPS", "VS_UP(2)", "MSIE_PANEL(1)"}) {
      cMemDC surface;
      ASSERT_TRUE(LoadBitmapSurface("REBAR2003_BITMAPS", surface));  // loading again replaces the surface
      ASSERT_TRUE(LoadBitmapSurface(name, surface)) << name;
      const win32::Surface loaded = ReadPixels(surface.hdc(), surface.Width(), surface.Height());
      EXPECT_TRUE(SamePixels(loaded, *DecodedResourceBitmap(name))) << name << " at " << dpi << " dpi";
    }
    win32::Surface pixels;
    pixels.Resize(277, 30);
    const auto picture = StdPicture::FromSurface(pixels);
    EXPECT_EQ(Values(PictureWidthPx(*picture), PictureHeightPx(*picture)), "277 30") << dpi << " dpi";
  }
  cMemDC surface;
  surface.ChangeSize(7, 3);
  HDC before = surface.hdc();
  EXPECT_FALSE(LoadBitmapSurface("NO_SUCH_BITMAP", surface));
  EXPECT_FALSE(LoadBitmapSurface("menubar2003_bitmaps", surface));
  EXPECT_EQ(Values(surface.hdc(), surface.Width()), Values(before, 7));
}

TEST_F(PictureTest, BlitPictureCopiesUnstretchedFromTheCornerOrStretchesASourceRectangle) {
  const auto picture = GlyphPicture();
  Canvas surface(12, 8, kGround);
  // Unstretched: the source position is ignored, the picture's corner lands at (1, 1).
  BlitPicture(surface.dc(), *picture, 1, 1, 4, 3, nullptr, false, 2, 2, 1, 1);
  EXPECT_EQ(Values(surface.At(1, 1), surface.At(2, 1), surface.At(4, 3), surface.At(5, 1)), Values(kKey, kRed, kGreen, kGround));
  // Stretched: the blue pair (1, 1)-(2, 1) doubled into 4 x 2 at (6, 5).
  BlitPicture(surface.dc(), *picture, 6, 5, 4, 2, nullptr, true, 1, 1, 2, 1);
  EXPECT_EQ(surface.Rows(RECT{6, 5, 11, 8}, kBlue), "####.\n####.\n.....\n");
}

TEST_F(PictureTest, TransparentCopyKeepsTheDestinationWhereThePictureHasItsCornerColour) {
  const auto picture = GlyphPicture();
  // A two-colour ground, so that kept pixels are told apart from any fill.
  Canvas surface(8, 5, kGround);
  surface.Fill(RECT{0, 0, 8, 2}, RGB(90, 90, 90));
  win32::Surface expected = surface.Pixels();
  // Colours the caller left in the DC must neither spoil the mask nor be lost.
  SetTextColor(surface.dc(), kMark);
  SetBkColor(surface.dc(), kGreen);
  BlitPictureTransparent(surface.dc(), *picture, 2, 1, kGlyphWidth, kGlyphHeight);
  const win32::Surface result = surface.Pixels();
  for (int y = 0; y < kGlyphHeight; ++y) {
    for (int x = 0; x < kGlyphWidth; ++x) {
      if (kGlyph[y][x] != kKey) expected.At(2 + x, 1 + y) = kGlyph[y][x];
    }
  }
  EXPECT_TRUE(SamePixels(result, expected));
  EXPECT_EQ(Values(GetTextColor(surface.dc()), GetBkColor(surface.dc())), Values(kMark, kGreen));
}

// The fill stops before right and bottom; the frame is not filled; automation colours
// translate only with the system-colour bit.
TEST_F(PictureTest, SolidRectanglesFillOrFrameInTranslatedColours) {
  Canvas surface(10, 10, kGround);
  DrawSolidRect(surface.dc(), 1, 1, 4, 4, kRed, kSolidRectFill);
  DrawSolidRect(surface.dc(), 5, 5, 10, 10, kOleSystemColorFlag | COLOR_HIGHLIGHT, kSolidRectFrame);
  EXPECT_EQ(surface.Rows(kRed) + surface.Rows(GetSysColor(COLOR_HIGHLIGHT)),
            "..........\n.###......\n.###......\n.###......\n..........\n..........\n..........\n..........\n..........\n..........\n"
            "..........\n..........\n..........\n..........\n..........\n.....#####\n.....#...#\n.....#...#\n.....#...#\n.....#####\n");
}

// Each step starts from a 30 x 12 surface marked at (3, 4) and reports the size afterwards,
// whether the same surface was kept, the mark, and whether the far corner is black, as a new
// surface is. Every pixel of the reported size is there, in full colour, and none beyond it.
TEST_F(MemDCTest, ResizingKeepsTheSurfaceUnlessItMustChange) {
  cMemDC unsized;
  EXPECT_EQ(Values(unsized.hdc() == nullptr, unsized.Width(), unsized.Height()), "1 0 0");
  const struct { std::function<void(cMemDC&)> apply; const char* expected; } cases[] = {
      {[](cMemDC& s) { s.ChangeSize(30, 12); }, "30x12 same, mark, black corner"},
      {[](cMemDC& s) { s.ChangeSize(10, 5); }, "10x5 new, no mark, black corner"},
      {[](cMemDC& s) { s.SetWidth(20); }, "30x12 same, mark, black corner"},
      {[](cMemDC& s) { s.SetHeight(12); }, "30x12 same, mark, black corner"},
      {[](cMemDC& s) { s.SetWidth(50); }, "50x12 new, no mark, black corner"},
      {[](cMemDC& s) { s.SetHeight(16); }, "30x16 new, no mark, black corner"},
  };
  for (const auto& c : cases) {
    cMemDC surface;
    surface.ChangeSize(30, 12);
    HDC before = surface.hdc();
    SetPixelV(before, 3, 4, kMark);
    c.apply(surface);
    HDC dc = surface.hdc();
    const int w = surface.Width();
    const int h = surface.Height();
    std::string row = std::to_string(w) + "x" + std::to_string(h) + (dc == before ? " same" : " new") +
                      (GetPixel(dc, 3, 4) == kMark ? ", mark" : ", no mark") +
                      (GetPixel(dc, w - 1, h - 1) == RGB(0, 0, 0) ? ", black corner" : "");
    SetPixelV(dc, w - 1, h - 1, kMark);
    if (GetPixel(dc, w - 1, h - 1) != kMark || GetPixel(dc, w, h - 1) != CLR_INVALID || GetPixel(dc, w - 1, h) != CLR_INVALID) {
      row += ", wrong extent";
    }
    EXPECT_EQ(row, c.expected);
  }
}

constexpr int kImageSize = 6;
constexpr COLORREF kFirst = RGB(200, 40, 40);
constexpr COLORREF kSecond = RGB(40, 60, 200);
using DrawListImageTest = PictureTest;

// The 40 x 20 ground after `draw`.
win32::Surface Drawn(const std::function<void(HDC)>& draw) {
  Canvas canvas(40, 20, kGround);
  draw(canvas.dc());
  return canvas.Pixels();
}
win32::Surface Drawn(const ObjectRef& object, HIMAGELIST handle, std::int16_t index, int x, int y, bool selected = false,
                     bool focused = false) {
  return Drawn([&](HDC dc) { DrawListImage(object, dc, HandleToLong(handle), index, x, y, selected, focused); });
}

// Two solid squares, each with a clear top-left pixel.
std::shared_ptr<ImageList> TwoImages(std::shared_ptr<ImageList> list) {
  std::vector<BYTE> alpha(kImageSize * kImageSize, 255);
  alpha[0] = 0;
  for (COLORREF colour : {kFirst, kSecond}) {
    win32::Surface image;
    image.Resize(kImageSize, kImageSize, colour);
    list->Images().AddSurface(Variant::Missing(), Variant::Missing(), image, alpha);
  }
  return list;
}

TEST_F(DrawListImageTest, SelectedAndFocusedDrawBlendedAsTheListsOwnStyles) {
  const auto list = TwoImages(std::make_shared<MirelImageList>());
  const HIMAGELIST handle = list->hImageList();
  const struct { bool selected, focused; UINT style; } cases[] = {
      {false, false, ILD_TRANSPARENT}, {true, false, ILD_TRANSPARENT | ILD_SELECTED},
      {false, true, ILD_TRANSPARENT | ILD_FOCUS}, {true, true, ILD_TRANSPARENT | ILD_SELECTED | ILD_FOCUS}};
  for (const auto& c : cases) {
    EXPECT_TRUE(SamePixels(Drawn(nullptr, handle, 2, 10, 2, c.selected, c.focused),
                           Drawn([&](HDC dc) { ImageList_Draw(handle, 1, dc, 10, 2, c.style); })))
        << "selected " << c.selected << ", focused " << c.focused;
  }
  EXPECT_NE(Drawn(nullptr, handle, 2, 10, 2, true, false).At(12, 4), kSecond);
}

TEST_F(DrawListImageTest, TheImageListControlDrawsThroughItsOwnDrawAtThePixelsGiven) {
  for (int dpi : {96, 120}) {
    ResetDesktop({.dpi = dpi});
    const auto control = TwoImages(std::make_shared<ImageList>());
    // With the object kept, the handle argument is not used.
    const win32::Surface drawn = Drawn(control, nullptr, 2, 7, 5);
    EXPECT_EQ(Values(drawn.At(7, 5), drawn.At(8, 5), drawn.At(12, 10), drawn.At(13, 10), drawn.At(6, 6)),
              Values(kGround, kSecond, kSecond, kGround, kGround))
        << dpi << " dpi";
  }
}

// The slots the control attaches (the control itself, an object lending its handle, a bare
// handle) all draw the same; through a handle, indexes 0 and 1 both draw the first image;
// failing or missing sources draw nothing.
TEST_F(DrawListImageTest, DrawsFromTheSlotsTheControlAttachesAndNothingFromMissingSources) {
  const auto control = TwoImages(std::make_shared<ImageList>());
  const auto other = TwoImages(std::make_shared<MirelImageList>());
  tImageListSlot fromControl;
  tImageListSlot fromObject;
  tImageListSlot fromHandle;
  AttachImageList(fromControl, Variant(control), "MirelSuiteMenuBar.Test");
  AttachImageList(fromObject, Variant(other), "MirelSuiteMenuBar.Test");
  AttachImageList(fromHandle, Variant::Long(HandleToLong(other->hImageList())), "MirelSuiteMenuBar.Test");
  const auto draw = [](const tImageListSlot& slot) {
    return Drawn([&](HDC dc) { DrawListImage(slot.oImageList, dc, slot.hImageList, 2, 20, 8, false, false); });
  };
  const win32::Surface expected = draw(fromControl);
  EXPECT_EQ(expected.At(21, 9), kSecond);
  EXPECT_TRUE(SamePixels(draw(fromObject), expected));
  EXPECT_TRUE(SamePixels(draw(fromHandle), expected));
  const auto first = [&](std::int16_t index) { return Drawn(nullptr, other->hImageList(), index, 3, 4); };
  EXPECT_TRUE(SamePixels(first(0), first(1)) && first(1).At(4, 5) == kFirst);

  const win32::Surface ground = Drawn([](HDC) {});
  EXPECT_TRUE(SamePixels(Drawn(control, nullptr, 3, 0, 0), ground));  // no third image
  EXPECT_TRUE(SamePixels(Drawn(std::make_shared<ImageList>(), nullptr, 1, 0, 0), ground));
  EXPECT_TRUE(SamePixels(Drawn(nullptr, nullptr, 1, 0, 0), ground));
  EXPECT_TRUE(SamePixels(Drawn(std::make_shared<StdPicture>(), control->hImageList(), 1, 0, 0), ground));
}

}  // namespace
