// Block transfers (every raster operation, format conversions, stretching, clipping), image
// lists (masks, alpha, selected/focus blends) and PNG files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
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
constexpr COLORREF kPattern = RGB(0x12, 0x34, 0x56);

std::string Hex(const char* name, COLORREF colour) {
  std::ostringstream out;
  out << name << " " << std::hex << colour;
  return out.str();
}

TEST(GdiBlit, EachRasterOperationCombinesPatternSourceAndDestination) {
  const struct {
    const char* name;
    DWORD rop;
    COLORREF expected;
  } cases[] = {
      {"SRCCOPY", SRCCOPY, kSource},
      {"SRCAND", SRCAND, kSource & kDest},
      {"SRCPAINT", SRCPAINT, kSource | kDest},
      {"SRCINVERT", SRCINVERT, kSource ^ kDest},
      {"DSTERASE 0x220326", 0x00220326, kDest & ~kSource & 0xFFFFFF},
      {"NOTSRCCOPY", NOTSRCCOPY, ~kSource & 0xFFFFFF},
      {"DSTINVERT", DSTINVERT, ~kDest & 0xFFFFFF},
      {"BLACKNESS", BLACKNESS, 0},
      {"WHITENESS", WHITENESS, 0xFFFFFF},
      {"PATCOPY", PATCOPY, kPattern},
      {"PATINVERT", PATINVERT, kPattern ^ kDest},
      {"MERGECOPY", MERGECOPY, kPattern & kSource},
  };
  Canvas src(2, 2, kSource);
  Sequence expected;
  Sequence actual;
  for (const auto& c : cases) {
    Canvas dest(2, 2, kDest);
    BitBlt(Selected(dest.dc(), CreateSolidBrush(kPattern)).dc(), 0, 0, 2, 2, src.dc(), 0, 0, c.rop);
    expected.push_back(Hex(c.name, c.expected));
    actual.push_back(Hex(c.name, dest.At(1, 1)));
  }
  EXPECT_TRUE(SameSequence(expected, actual));

  // PatBlt paints with the selected brush alone.
  Canvas c(4, 4);
  PatBlt(Selected(c.dc(), CreateSolidBrush(kRed)).dc(), 1, 1, 2, 2, PATCOPY);
  EXPECT_EQ(c.Rows(kRed), "....\n.##.\n.##.\n....\n");
}

TEST(GdiBlit, MaskFromTopLeftColourGivesATransparentBlit) {
  // A picture whose top-left colour is the transparent colour: magenta around a blue cross.
  Canvas picture(3, 3, RGB(255, 0, 255));
  picture.Fill(RECT{1, 0, 2, 3}, kBlue);
  picture.Fill(RECT{0, 1, 3, 2}, kBlue);
  Canvas dest(3, 3, kGreen);

  // Mono mask: pixels equal to the source background colour become 1 (white).
  HDC maskDc = CreateCompatibleDC(dest.dc());
  HBITMAP mask = CreateBitmap(3, 3, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(maskDc, mask);
  SetBkColor(picture.dc(), picture.At(0, 0));
  BitBlt(maskDc, 0, 0, 3, 3, picture.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(Values(GetPixel(maskDc, 0, 0), GetPixel(maskDc, 1, 1)), Values(kWhite, kBlack));

  // Clear the picture where the mask is set; mono -> colour maps 1 to the background colour.
  SetBkColor(picture.dc(), kWhite);
  SetTextColor(picture.dc(), kBlack);
  BitBlt(picture.dc(), 0, 0, 3, 3, maskDc, 0, 0, 0x00220326);
  EXPECT_EQ(Values(picture.At(0, 0), picture.At(1, 1)), Values(kBlack, kBlue));

  SetBkColor(dest.dc(), kWhite);
  SetTextColor(dest.dc(), kBlack);
  BitBlt(dest.dc(), 0, 0, 3, 3, maskDc, 0, 0, SRCAND);
  BitBlt(dest.dc(), 0, 0, 3, 3, picture.dc(), 0, 0, SRCPAINT);
  EXPECT_EQ(dest.Rows(kBlue), ".#.\n###\n.#.\n");
  EXPECT_EQ(dest.Rows(kGreen), "#.#\n...\n#.#\n");

  SelectObject(maskDc, oldMask);
  DeleteObject(mask);
  DeleteDC(maskDc);
}

TEST(GdiBlit, MonochromeSourceTakesTheDestinationTextAndBackgroundColours) {
  HDC monoDc = CreateCompatibleDC(nullptr);
  const BYTE bits[] = {0x80, 0x00};  // one row: first pixel white, second black
  HBITMAP mono = CreateBitmap(2, 1, 1, 1, bits);
  HGDIOBJ old = SelectObject(monoDc, mono);
  Canvas dest(2, 1);
  SetTextColor(dest.dc(), kRed);
  SetBkColor(dest.dc(), kBlue);
  BitBlt(dest.dc(), 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY);
  EXPECT_EQ(Values(dest.At(0, 0), dest.At(1, 0)), Values(kBlue, kRed));
  SelectObject(monoDc, old);
  DeleteObject(mono);
  DeleteDC(monoDc);
}

TEST(GdiBlit, StretchBltDoublesAndMirrors) {
  Canvas src(2, 2);
  src.Fill(RECT{0, 0, 1, 1}, kRed);
  src.Fill(RECT{1, 1, 2, 2}, kBlue);
  Canvas dest(4, 4);
  StretchBlt(dest.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(dest.Rows(kRed), "##..\n##..\n....\n....\n");
  EXPECT_EQ(dest.Rows(kBlue), "....\n....\n..##\n..##\n");
  // A negative width ends at (and includes) the origin, mirroring the picture.
  Canvas mirrored(2, 2);
  StretchBlt(mirrored.dc(), 1, 0, -2, 2, src.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(mirrored.Rows(kRed), ".#\n..\n");
  EXPECT_EQ(mirrored.Rows(kBlue), "..\n#.\n");
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
