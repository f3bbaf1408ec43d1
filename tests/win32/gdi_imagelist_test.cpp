// Image lists (masks, alpha, selected/focus blends) and PNG files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/Pixels.h"
#include "support/Values.h"
#include "win32/commctrl.h"
#include "win32/objcount.h"

namespace {

using namespace mirel_test;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kIcon = 4;

// A strip of two 4x4 images on magenta: a red square in the first, a blue one in the second.
HBITMAP MakeStrip() {
  Canvas strip(2 * kIcon, kIcon, kMagenta);
  strip.Fill(RECT{1, 1, 3, 3}, kRed);
  strip.Fill(RECT{kIcon + 1, 1, kIcon + 3, 3}, kBlue);
  HBITMAP copy = CreateBitmap(2 * kIcon, kIcon, 1, 32, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, copy);
  BitBlt(dc, 0, 0, 2 * kIcon, kIcon, strip.dc(), 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteDC(dc);
  return copy;
}

TEST(GdiImageList, AddMaskedDrawsTransparentlyAndReportsItsImages) {
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  HIMAGELIST list = ImageList_Create(kIcon, kIcon, ILC_COLOR24 | ILC_MASK, 2, 2);
  HBITMAP strip = MakeStrip();
  EXPECT_EQ(ImageList_AddMasked(list, strip, kMagenta), 0);
  DeleteObject(strip);
  RECT r{};
  ASSERT_TRUE(ImageList_GetImageRect(list, 1, &r));
  EXPECT_EQ(Values(ImageList_GetImageCount(list), r.right - r.left, r.bottom - r.top), Values(2, kIcon, kIcon));

  {
    Canvas c(10, 6, kGreen);
    ImageList_Draw(list, 1, c.dc(), 2, 1, ILD_TRANSPARENT);
    EXPECT_EQ(c.Rows(RECT{0, 0, 10, 6}, kBlue), "..........\n..........\n...##.....\n...##.....\n..........\n..........\n");
    EXPECT_EQ(c.At(2, 1), kGreen);

    // With a background colour the masked pixels take it unless drawn transparently.
    ImageList_DrawEx(list, 0, c.dc(), 0, 0, 0, 0, kWhite, CLR_DEFAULT, ILD_NORMAL);
    EXPECT_EQ(Values(c.At(0, 0), c.At(1, 1)), Values(kWhite, kRed));
  }
  ImageList_Destroy(list);
  EXPECT_TRUE(win32::SnapshotLiveObjects() == before);
}

TEST(GdiImageList, SelectedAndFocusBlendWithTheHighlightColour) {
  HIMAGELIST list = ImageList_Create(kIcon, kIcon, ILC_COLOR24 | ILC_MASK, 2, 2);
  HBITMAP strip = MakeStrip();
  ImageList_AddMasked(list, strip, kMagenta);
  DeleteObject(strip);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  auto mix = [](int a, int b, int share) { return static_cast<BYTE>(a + (b - a) * share / 255); };
  const struct {
    UINT style;
    int share;
  } cases[] = {{ILD_SELECTED, 128}, {ILD_FOCUS, 64}};
  for (const auto& c : cases) {
    Canvas canvas(kIcon, kIcon, kGreen);
    ImageList_Draw(list, 0, canvas.dc(), 0, 0, ILD_TRANSPARENT | c.style);
    const COLORREF expected = RGB(mix(255, GetRValue(highlight), c.share), mix(0, GetGValue(highlight), c.share),
                                  mix(0, GetBValue(highlight), c.share));
    EXPECT_EQ(canvas.At(1, 1), expected) << c.style;
    EXPECT_EQ(canvas.At(0, 0), kGreen);  // the mask still holds
  }
  ImageList_Destroy(list);
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

TEST(GdiPng, WriteThenReadKeepsEveryPixelAndAlphaIsKeptApart) {
  win32::Surface s;
  s.Resize(3, 2, kWhite);
  s.At(0, 0) = kRed;
  s.At(2, 1) = RGB(1, 2, 3);
  const std::string path = "gdi_png_roundtrip.png";
  ASSERT_TRUE(win32::WritePng(s, path));
  win32::Surface back;
  ASSERT_TRUE(win32::ReadPng(path, back));
  EXPECT_TRUE(SamePixels(back, s));

  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  win32::Surface fromMemory;
  ASSERT_TRUE(win32::ReadPngFromMemory(bytes.data(), bytes.size(), fromMemory));
  EXPECT_EQ(fromMemory.pixels, s.pixels);

  std::vector<BYTE> alpha;
  win32::Surface colours;
  ASSERT_TRUE(win32::ReadPngWithAlpha(path, colours, alpha));
  EXPECT_EQ(alpha, std::vector<BYTE>(6, 255));
  std::remove(path.c_str());

  win32::Surface missing;
  EXPECT_FALSE(win32::ReadPng("no-such-file.png", missing));
  const unsigned char garbage[] = {1, 2, 3, 4};
  EXPECT_FALSE(win32::ReadPngFromMemory(garbage, sizeof(garbage), missing));
}

}  // namespace
