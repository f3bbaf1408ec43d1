// Rectangles, lines, shapes, regions and the object life cycle of the GDI layer.
#include <gtest/gtest.h>

#include "support/Pixels.h"
#include "win32/objcount.h"

namespace {

using namespace mirel_test;

TEST(GdiRectangles, FillRectCoversLeftTopButNotRightBottom) {
  Canvas c(10, 10);
  c.Fill(RECT{2, 3, 6, 7}, kRed);
  EXPECT_EQ(RectText(c.InkBox()), "2,3-6,7");
  EXPECT_EQ(c.At(5, 6), kRed);
  EXPECT_EQ(c.At(6, 6), kWhite);
  EXPECT_EQ(c.At(5, 7), kWhite);
}

TEST(GdiRectangles, FrameRectDrawsOnePixelFrameInsideTheRect) {
  Canvas c(8, 7);
  HBRUSH brush = CreateSolidBrush(kBlue);
  RECT r{1, 1, 7, 6};
  FrameRect(c.dc(), &r, brush);
  DeleteObject(brush);
  EXPECT_EQ(c.Rows(kBlue),
            "........\n"
            ".######.\n"
            ".#....#.\n"
            ".#....#.\n"
            ".#....#.\n"
            ".######.\n"
            "........\n");
}

TEST(GdiRectangles, SystemColourIndexPlusOneWorksAsABrush) {
  Canvas c(4, 4);
  RECT r{0, 0, 2, 2};
  FillRect(c.dc(), &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_HIGHLIGHT + 1)));
  EXPECT_EQ(c.At(1, 1), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(GdiRectangles, DrawFocusRectIsDottedAndUndoneByASecondCall) {
  Canvas c(6, 4);
  RECT r{0, 0, 6, 4};
  DrawFocusRect(c.dc(), &r);
  EXPECT_EQ(c.Rows(r, kBlack),
            "#.#.#.\n"
            ".....#\n"
            "#.....\n"
            ".#.#.#\n");
  DrawFocusRect(c.dc(), &r);
  EXPECT_EQ(c.InkBox().right, 0);
}

TEST(GdiLines, LineToExcludesItsEndPointAndMovesTheCurrentPosition) {
  Canvas c(8, 4);
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  HGDIOBJ old = SelectObject(c.dc(), pen);
  MoveToEx(c.dc(), 1, 1, nullptr);
  LineTo(c.dc(), 6, 1);
  LineTo(c.dc(), 6, 3);
  POINT now{};
  MoveToEx(c.dc(), 0, 0, &now);
  SelectObject(c.dc(), old);
  DeleteObject(pen);
  EXPECT_EQ(now.x, 6);
  EXPECT_EQ(now.y, 3);
  EXPECT_EQ(c.Rows(kRed),
            "........\n"
            ".######.\n"
            "......#.\n"
            "........\n");
}

TEST(GdiLines, DiagonalLineFollowsBresenham) {
  Canvas c(5, 3);
  MoveToEx(c.dc(), 0, 0, nullptr);
  LineTo(c.dc(), 4, 2);
  EXPECT_EQ(c.Rows(kBlack),
            "#....\n"
            ".##..\n"
            "...#.\n");
}

TEST(GdiShapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Canvas c(6, 5);
  HBRUSH brush = CreateSolidBrush(kRed);
  HGDIOBJ oldBrush = SelectObject(c.dc(), brush);
  Rectangle(c.dc(), 0, 0, 5, 4);
  EXPECT_EQ(c.Rows(kBlack),
            "#####.\n"
            "#...#.\n"
            "#...#.\n"
            "#####.\n"
            "......\n");
  EXPECT_EQ(c.Rows(kRed),
            "......\n"
            ".###..\n"
            ".###..\n"
            "......\n"
            "......\n");
  // Without a pen the fill stops one pixel short of the right and bottom edges.
  HGDIOBJ oldPen = SelectObject(c.dc(), GetStockObject(NULL_PEN));
  c.Fill(RECT{0, 0, 6, 5}, kWhite);
  Rectangle(c.dc(), 0, 0, 5, 4);
  EXPECT_EQ(RectText(c.InkBox()), "0,0-4,3");
  SelectObject(c.dc(), oldPen);
  SelectObject(c.dc(), oldBrush);
  DeleteObject(brush);
}

TEST(GdiShapes, EllipseStaysInsideItsBoundingRect) {
  Canvas c(20, 20);
  Ellipse(c.dc(), 2, 3, 14, 11);
  EXPECT_EQ(RectText(c.InkBox()), "2,3-14,11");
  EXPECT_EQ(c.At(2, 3), kWhite);  // corners stay clear
}

TEST(GdiShapes, PolygonFillsATriangle) {
  Canvas c(8, 8);
  HGDIOBJ oldBrush = SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
  HGDIOBJ oldPen = SelectObject(c.dc(), GetStockObject(NULL_PEN));
  // Pixels whose centres lie inside are filled; centres on a right edge are not.
  const POINT down[] = {{0, 0}, {7, 0}, {3, 4}};
  Polygon(c.dc(), down, 3);
  SelectObject(c.dc(), oldPen);
  SelectObject(c.dc(), oldBrush);
  EXPECT_EQ(c.Rows(RECT{0, 0, 8, 5}, kBlack),
            "######..\n"
            ".####...\n"
            "..##....\n"
            "........\n"
            "........\n");
}

TEST(GdiRegions, CombineAndClip) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 5, 15, 15);
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(r, a, b, RGN_AND), SIMPLEREGION);
  RECT box{};
  GetRgnBox(r, &box);
  const RECT overlap{5, 5, 10, 10};
  EXPECT_TRUE(EqualRect(&box, &overlap));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(r, 12, 12));
  EXPECT_FALSE(PtInRegion(r, 12, 2));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(r, 7, 7));
  EXPECT_TRUE(PtInRegion(r, 7, 2));
  EXPECT_EQ(CombineRgn(r, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(r, 7, 7));
  EXPECT_TRUE(PtInRegion(r, 12, 7));
  EXPECT_EQ(CombineRgn(r, a, a, RGN_DIFF), NULLREGION);

  // A region selected into a DC clips drawing.
  Canvas c(20, 20);
  CombineRgn(r, a, b, RGN_DIFF);
  SelectObject(c.dc(), r);
  c.Fill(RECT{0, 0, 20, 20}, kRed);
  EXPECT_EQ(c.At(7, 7), CLR_INVALID);  // GetPixel outside the clip fails, as in Win32
  SelectClipRgn(c.dc(), nullptr);
  EXPECT_EQ(c.At(2, 2), kRed);
  EXPECT_EQ(c.At(7, 7), kWhite);
  EXPECT_EQ(c.At(12, 12), kWhite);
  IntersectClipRect(c.dc(), 15, 15, 17, 17);
  c.Fill(RECT{0, 0, 20, 20}, kBlue);
  SelectClipRgn(c.dc(), nullptr);
  EXPECT_EQ(c.At(14, 14), kWhite);
  EXPECT_EQ(c.At(16, 16), kBlue);
  EXPECT_EQ(c.At(17, 17), kWhite);
  for (HRGN h : {a, b, r}) DeleteObject(h);
}

TEST(GdiObjects, CompatibleBitmapIsMonochromeOnlyForAFreshMemoryDc) {
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAP bm{};
  HBITMAP fromMemory = CreateCompatibleBitmap(memory, 4, 4);
  GetObjectA(fromMemory, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  HBITMAP fromScreen = CreateCompatibleBitmap(screen, 4, 4);
  GetObjectA(fromScreen, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_EQ(bm.bmWidth, 4);
  HGDIOBJ old = SelectObject(memory, fromScreen);
  HBITMAP fromColourMemory = CreateCompatibleBitmap(memory, 2, 2);
  GetObjectA(fromColourMemory, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  // The default bitmap a fresh memory DC holds is 1x1 monochrome.
  GetObjectA(old, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), win32::TheDisplay().dpiY);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
  SelectObject(memory, old);
  for (HBITMAP b : {fromMemory, fromScreen, fromColourMemory}) DeleteObject(b);
  DeleteDC(memory);
  DeleteDC(screen);
}

TEST(GdiObjects, SelectedObjectsCannotBeDeletedAndCountersReturnToStart) {
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  for (int round = 0; round < 3; ++round) {
    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    HBRUSH brush = CreateSolidBrush(kRed);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    LOGFONTA lf{};
    lf.lfHeight = -11;
    std::char_traits<char>::copy(lf.lfFaceName, "Tahoma", 7);
    HFONT font = CreateFontIndirectA(&lf);
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::DC), before.counts[static_cast<size_t>(win32::ObjectKind::DC)] + 2);

    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SelectClipRgn(dc, region);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(region));  // the DC keeps its own copy of a clip region
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    // A bitmap lives in one DC at a time.
    HDC other = CreateCompatibleDC(screen);
    EXPECT_EQ(SelectObject(other, bitmap), nullptr);
    DeleteDC(other);

    EXPECT_EQ(SelectObject(dc, oldBitmap), bitmap);
    EXPECT_EQ(SelectObject(dc, oldBrush), brush);
    EXPECT_EQ(SelectObject(dc, oldPen), pen);
    EXPECT_EQ(SelectObject(dc, oldFont), font);
    for (HGDIOBJ o : {bitmap, brush, pen, font}) EXPECT_TRUE(DeleteObject(o));
    EXPECT_FALSE(DeleteObject(bitmap));  // already gone
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));  // stock objects survive
    DeleteDC(dc);
    DeleteDC(screen);
  }
  EXPECT_TRUE(win32::SnapshotLiveObjects() == before);
}

TEST(GdiObjects, SaveAndRestoreDc) {
  Canvas c(4, 4);
  SetTextColor(c.dc(), kRed);
  const int level = SaveDC(c.dc());
  SetTextColor(c.dc(), kBlue);
  SetBkMode(c.dc(), TRANSPARENT);
  EXPECT_TRUE(RestoreDC(c.dc(), level));
  EXPECT_EQ(GetTextColor(c.dc()), kRed);
  EXPECT_EQ(GetBkMode(c.dc()), OPAQUE);
}

TEST(GdiSysColors, ClassicDefaultsAndDesktopOverrides) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
  EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(64, 64, 64));
  win32::SetSysColorValue(COLOR_BTNFACE, RGB(1, 2, 3));
  Canvas c(2, 2);
  RECT r{0, 0, 2, 2};
  FillRect(c.dc(), &r, GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(c.At(0, 0), RGB(1, 2, 3));
  win32::ResetSysColors();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
}

}  // namespace
