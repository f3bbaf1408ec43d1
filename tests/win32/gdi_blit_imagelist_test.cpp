// Block transfers (the raster operations the painters use, format conversions, stretching, clipping), image
// lists (masks, alpha, selected/focus blends) and PNG files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/MessageLog.h"
#include "support/Pixels.h"
#include "support/Values.h"
#include "win32/commctrl.h"
#include "win32/objcount.h"

namespace {

using namespace mirel_test;

constexpr COLORREF kSource = RGB(0xF0, 0x0F, 0xAA);
constexpr COLORREF kDest = RGB(0xCC, 0x33, 0x55);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

TEST(GdiBlit, EachRasterOperationCombinesSourceAndDestination) {
  const struct { const char* name; DWORD rop; COLORREF expected; } cases[] = {
      {"SRCCOPY", SRCCOPY, kSource}, {"SRCAND", SRCAND, kSource & kDest}, {"SRCPAINT", SRCPAINT, kSource | kDest},
      {"0x220326, the picture painters' mask erase", 0x00220326, kDest & ~kSource & 0xFFFFFF},
  };
  Canvas src(2, 2, kSource);
  Sequence expected;
  Sequence actual;
  for (const auto& c : cases) {
    Canvas dest(2, 2, kDest);
    BitBlt(dest.dc(), 0, 0, 2, 2, src.dc(), 0, 0, c.rop);
    expected.push_back(c.name + (" " + ColourText(c.expected)));
    actual.push_back(c.name + (" " + ColourText(dest.At(1, 1))));
  }
  EXPECT_TRUE(SameSequence(expected, actual));
}

// Colour to monochrome sets the pixels of the source's background colour; monochrome to
// colour draws 1 in the destination's background colour and 0 in its text colour. (The whole
// transparent blit built on these is checked through the picture painters.)
TEST(GdiBlit, MonochromeConversionsFollowTheBackgroundAndTextColours) {
  Canvas picture(3, 3, kMagenta);
  picture.Fill(RECT{1, 0, 2, 3}, kBlue);
  HDC maskDc = CreateCompatibleDC(picture.dc());
  {
    Selected mask(maskDc, CreateBitmap(3, 3, 1, 1, nullptr));
    SetBkColor(picture.dc(), kMagenta);
    BitBlt(maskDc, 0, 0, 3, 3, picture.dc(), 0, 0, SRCCOPY);
    Canvas coloured(3, 1);
    SetTextColor(coloured.dc(), kRed);
    SetBkColor(coloured.dc(), kGreen);
    BitBlt(coloured.dc(), 0, 0, 3, 1, maskDc, 0, 0, SRCCOPY);
    EXPECT_EQ(Values(GetPixel(maskDc, 0, 0), GetPixel(maskDc, 1, 1)), Values(kWhite, kBlack));
    EXPECT_EQ(coloured.Rows(kGreen) + coloured.Rows(kRed), "#.#\n.#.\n");
  }
  DeleteDC(maskDc);
}

TEST(GdiBlit, StretchBltDoublesAndMirrors) {
  Canvas src(2, 2);
  src.Fill(RECT{0, 0, 1, 1}, kRed);
  src.Fill(RECT{1, 1, 2, 2}, kBlue);
  Canvas dest(4, 4);
  StretchBlt(dest.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(dest.Rows(kRed) + dest.Rows(kBlue), "##..\n##..\n....\n....\n....\n....\n..##\n..##\n");
  // A negative width ends at (and includes) the origin, mirroring the picture.
  Canvas mirrored(2, 2);
  StretchBlt(mirrored.dc(), 1, 0, -2, 2, src.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(mirrored.Rows(kRed) + mirrored.Rows(kBlue), ".#\n..\n..\n#.\n");
}

TEST(GdiBlit, BlitsStopAtTheTargetEdgeAndTheClip) {
  Canvas src(4, 4, kRed);
  Canvas dest(4, 4);
  IntersectClipRect(dest.dc(), 1, 1, 3, 3);
  BitBlt(dest.dc(), -2, -2, 8, 8, src.dc(), -2, -2, SRCCOPY);  // source outside its bitmap draws nothing
  EXPECT_EQ(dest.Rows(kRed), "....\n.##.\n.##.\n....\n");

  // A surface DC draws with its own origin and clip.
  win32::Surface surface;
  surface.Resize(10, 10, kWhite);
  HDC dc = win32::CreateSurfaceDC(&surface, POINT{3, 2}, RECT{3, 2, 6, 5});
  FillDC(dc, RECT{0, 0, 10, 10}, kRed);
  EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
  EXPECT_EQ(Values(surface.At(3, 2), surface.At(5, 4), surface.At(6, 4), surface.At(2, 2)), Values(kRed, kRed, kWhite, kWhite));
  DeleteDC(dc);
}

// A list of two 4x4 images added from a strip on magenta: a red 2x2 square in the first, a
// blue one in the second, the rest masked. Drawn selected or focused, the image is blended
// with the highlight colour by a half or a quarter; the mask still holds.
TEST(GdiImageList, AddMaskedDrawsTransparentlyBlendsSelectedAndFocusAndReportsItsImages) {
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 2);
  {
    Canvas strip(8, 4, kMagenta);
    strip.Fill(RECT{1, 1, 3, 3}, kRed);
    strip.Fill(RECT{5, 1, 7, 3}, kBlue);
    EXPECT_EQ(ImageList_AddMasked(list, GetCurrentObject(strip.dc(), OBJ_BITMAP), kMagenta), 0);
  }
  RECT r{};
  ASSERT_TRUE(ImageList_GetImageRect(list, 1, &r));
  EXPECT_EQ(Values(ImageList_GetImageCount(list), RectText(r)), Values(2, "4,0-8,4"));

  {
    Canvas c(10, 6, kGreen);
    ImageList_Draw(list, 1, c.dc(), 2, 1, ILD_TRANSPARENT);
    EXPECT_EQ(c.Rows(kBlue), "..........\n..........\n...##.....\n...##.....\n..........\n..........\n");
    EXPECT_EQ(c.At(2, 1), kGreen);
    // With a background colour the masked pixels take it unless drawn transparently.
    ImageList_DrawEx(list, 0, c.dc(), 0, 0, 0, 0, kWhite, CLR_DEFAULT, ILD_NORMAL);
    EXPECT_EQ(Values(c.At(0, 0), c.At(1, 1)), Values(kWhite, kRed));
  }

  win32::SetSysColorValue(COLOR_HIGHLIGHT, kBlue);
  for (const auto& [style, blended] : {std::pair{ILD_SELECTED, RGB(127, 0, 128)}, std::pair{ILD_FOCUS, RGB(191, 0, 64)}}) {
    Canvas canvas(4, 4, kGreen);
    ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT | style);
    EXPECT_EQ(Values(ColourText(canvas.At(1, 1)), canvas.At(0, 0)), Values(ColourText(blended), kGreen)) << style;
  }
  win32::ResetSysColors();
  ImageList_Destroy(list);
  EXPECT_TRUE(win32::SnapshotLiveObjects() == before);
}

TEST(GdiImageList, AlphaImagesFromPngBlendOverTheBackground) {
  win32::Surface strip;
  strip.Resize(2, 1);
  strip.At(0, 0) = kRed;
  strip.At(1, 0) = kBlue;
  HIMAGELIST list = ImageList_Create(1, 1, ILC_COLOR32, 2, 2);
  EXPECT_EQ(win32::ImageList_AddSurface(list, strip, std::vector<BYTE>{255, 51}), 0);
  Canvas c(2, 1, kWhite);
  ImageList_Draw(list, 0, c.dc(), 0, 0, ILD_TRANSPARENT);
  ImageList_Draw(list, 1, c.dc(), 1, 0, ILD_TRANSPARENT);
  EXPECT_EQ(Values(c.At(0, 0), c.At(1, 0)), Values(kRed, RGB(204, 204, 255)));  // 20% blue over white
  ImageList_Remove(list, -1);
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  ImageList_Destroy(list);
}

// Written and read back from a file or from memory, every pixel is kept, and a picture
// without alpha reads as opaque; missing files and garbage do not read.
TEST(GdiPng, WriteThenReadKeepsEveryPixelAndAlphaIsKeptApart) {
  win32::Surface s;
  s.Resize(3, 2, kWhite);
  s.At(0, 0) = kRed;
  s.At(2, 1) = RGB(1, 2, 3);
  const std::string path = "gdi_png_roundtrip.png";
  ASSERT_TRUE(win32::WritePng(s, path));
  win32::Surface back;
  win32::Surface fromMemory;
  win32::Surface colours;
  std::vector<BYTE> alpha;
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(Values(win32::ReadPng(path, back), win32::ReadPngFromMemory(bytes.data(), bytes.size(), fromMemory),
                   win32::ReadPngWithAlpha(path, colours, alpha)),
            "1 1 1");
  std::remove(path.c_str());
  EXPECT_TRUE(SamePixels(back, s) && SamePixels(fromMemory, s) && SamePixels(colours, s));
  EXPECT_EQ(alpha, std::vector<BYTE>(6, 255));

  const unsigned char garbage[] = {1, 2, 3, 4};
  EXPECT_FALSE(win32::ReadPng("no-such-file.png", back));
  EXPECT_FALSE(win32::ReadPngFromMemory(garbage, sizeof(garbage), back));
}

}  // namespace
