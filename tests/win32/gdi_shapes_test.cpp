// Rectangles, lines, shapes, system-colour brushes and the object life cycle of the GDI layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/MessageLog.h"
#include "support/Pixels.h"
#include "support/Values.h"
#include "win32/objcount.h"

namespace {

using namespace mirel_test;

constexpr RECT kFrame{1, 1, 7, 6};
constexpr RECT kFocus{0, 0, 6, 4};
constexpr RECT kLeftHalf{0, 0, 2, 2};
constexpr RECT kRightHalf{2, 0, 4, 2};

TEST(GdiDrawing, EachPrimitiveCoversExactlyItsPixels) {
  const struct {
    const char* what;
    int width, height;
    COLORREF ink;
    std::function<void(HDC)> draw;
    const char* rows;  // '|' ends each row
  } cases[] = {
      {"FillRect covers left and top, not right and bottom", 8, 6, kRed,
       [](HDC dc) { FillDC(dc, RECT{2, 3, 6, 5}, kRed); }, "........|........|........|..####..|..####..|........|"},
      {"FrameRect draws a one-pixel frame inside the rect", 8, 7, kBlue,
       [](HDC dc) { FrameRect(dc, &kFrame, Selected(dc, CreateSolidBrush(kBlue)).object()); },
       "........|.######.|.#....#.|.#....#.|.#....#.|.######.|........|"},
      {"a system colour's brush and its index-plus-one handle fill in that colour", 4, 2, GetSysColor(COLOR_HIGHLIGHT),
       [](HDC dc) {
         FillRect(dc, &kLeftHalf, GetSysColorBrush(COLOR_HIGHLIGHT));
         FillRect(dc, &kRightHalf, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_HIGHLIGHT + 1)));
       },
       "####|####|"},
      {"DrawFocusRect is dotted", 6, 4, kBlack, [](HDC dc) { DrawFocusRect(dc, &kFocus); }, "#.#.#.|.....#|#.....|.#.#.#|"},
      {"a second DrawFocusRect undoes the first", 6, 4, kBlack,
       [](HDC dc) { DrawFocusRect(dc, &kFocus); DrawFocusRect(dc, &kFocus); }, "......|......|......|......|"},
      {"LineTo leaves out its end point", 8, 4, kRed,
       [](HDC dc) {
         Selected pen(dc, CreatePen(PS_SOLID, 1, kRed));
         MoveToEx(dc, 1, 1, nullptr);
         LineTo(dc, 6, 1);
         LineTo(dc, 6, 3);
         POINT now{};
         MoveToEx(dc, 0, 0, &now);
         EXPECT_EQ(now.x, 6) << "LineTo moves the current position to its end point";
         EXPECT_EQ(now.y, 3);
       },
       "........|.######.|......#.|........|"},
      {"a diagonal line follows Bresenham", 5, 3, kBlack, [](HDC dc) { MoveToEx(dc, 0, 0, nullptr); LineTo(dc, 4, 2); },
       "#....|.##..|...#.|"},
      {"Rectangle outlines with the pen", 6, 5, kBlack,
       [](HDC dc) { Rectangle(Selected(dc, CreateSolidBrush(kRed)).dc(), 0, 0, 5, 4); }, "#####.|#...#.|#...#.|#####.|......|"},
      {"Rectangle fills inside the pen with the brush", 6, 5, kRed,
       [](HDC dc) { Rectangle(Selected(dc, CreateSolidBrush(kRed)).dc(), 0, 0, 5, 4); }, "......|.###..|.###..|......|......|"},
      {"Rectangle without a pen fills one pixel short of right and bottom", 6, 5, kRed,
       [](HDC dc) {
         Selected pen(dc, GetStockObject(NULL_PEN));
         Rectangle(Selected(dc, CreateSolidBrush(kRed)).dc(), 0, 0, 5, 4);
       },
       "####..|####..|####..|......|......|"},
      // Pixels whose centres lie inside are filled; centres on a right edge are not.
      {"Polygon fills a triangle", 8, 5, kBlack,
       [](HDC dc) {
         Selected pen(dc, GetStockObject(NULL_PEN));
         const POINT down[] = {{0, 0}, {7, 0}, {3, 4}};
         Polygon(Selected(dc, GetStockObject(BLACK_BRUSH)).dc(), down, 3);
       },
       "######..|.####...|..##....|........|........|"},
  };
  Sequence expected;
  Sequence actual;
  for (const auto& c : cases) {
    Canvas canvas(c.width, c.height);
    c.draw(canvas.dc());
    std::string rows = canvas.Rows(c.ink);
    std::replace(rows.begin(), rows.end(), '\n', '|');
    expected.push_back(std::string(c.what) + ": " + c.rows);
    actual.push_back(std::string(c.what) + ": " + rows);
  }
  EXPECT_TRUE(SameSequence(expected, actual));
}

TEST(GdiDrawing, EllipseStaysInsideItsBoundingRect) {
  Canvas c(20, 20);
  Ellipse(c.dc(), 2, 3, 14, 11);
  EXPECT_EQ(Values(RectText(c.InkBox()), c.At(2, 3)), Values("2,3-14,11", kWhite));  // corners stay clear
}

// Compatible bitmaps take the DC's format; selected objects cannot be deleted, a bitmap lives
// in one DC at a time, stock objects survive DeleteObject, SaveDC and RestoreDC bring the
// attributes back, and the counters return to where they started.
TEST(GdiObjects, SelectedObjectsCannotBeDeletedAndCountersReturnToStart) {
  const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
  HBRUSH brush = CreateSolidBrush(kRed);
  HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
  LOGFONTA lf{};
  lf.lfHeight = -11;
  HFONT font = CreateFontIndirectA(&lf);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::DC), before.counts[static_cast<size_t>(win32::ObjectKind::DC)] + 2);

  // A compatible bitmap is monochrome only for a fresh memory DC, whose default bitmap is 1x1
  // monochrome; the screen has 32 bits and the display's resolution.
  const auto format = [](HGDIOBJ b) {
    BITMAP bm{};
    GetObjectA(b, sizeof(bm), &bm);
    return std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight) + "x" + std::to_string(bm.bmBitsPixel);
  };
  HBITMAP fromFresh = CreateCompatibleBitmap(dc, 4, 4);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HBITMAP fromColour = CreateCompatibleBitmap(dc, 2, 2);
  EXPECT_EQ(Values(format(fromFresh), format(bitmap), format(fromColour), format(oldBitmap)), "4x4x1 8x8x32 2x2x32 1x1x1");
  EXPECT_EQ(Values(GetDeviceCaps(screen, LOGPIXELSY), GetDeviceCaps(screen, BITSPIXEL)), Values(win32::TheDisplay().dpiY, 32));
  for (HBITMAP b : {fromFresh, fromColour}) DeleteObject(b);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldFont = SelectObject(dc, font);
  EXPECT_EQ(Values(DeleteObject(bitmap), DeleteObject(brush), DeleteObject(font)), "0 0 0");
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  HDC other = CreateCompatibleDC(screen);
  EXPECT_EQ(SelectObject(other, bitmap), nullptr);
  DeleteDC(other);

  SetTextColor(dc, kRed);
  const int level = SaveDC(dc);
  SetTextColor(dc, kBlue);
  SetBkMode(dc, TRANSPARENT);
  EXPECT_TRUE(RestoreDC(dc, level));
  EXPECT_EQ(Values(GetTextColor(dc), GetBkMode(dc)), Values(kRed, OPAQUE));

  EXPECT_EQ(Values(SelectObject(dc, oldBitmap), SelectObject(dc, oldBrush), SelectObject(dc, oldPen), SelectObject(dc, oldFont)),
            Values(bitmap, brush, pen, font));
  for (HGDIOBJ o : {bitmap, brush, pen, font}) EXPECT_TRUE(DeleteObject(o));
  EXPECT_FALSE(DeleteObject(bitmap));  // already gone
  EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
  DeleteDC(dc);
  DeleteDC(screen);
  EXPECT_TRUE(win32::SnapshotLiveObjects() == before);
}

}  // namespace
