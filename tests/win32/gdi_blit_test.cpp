// Block transfers: every raster operation, format conversions, stretching and clipping.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/MessageLog.h"
#include "support/Pixels.h"
#include "support/Values.h"

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

}  // namespace
