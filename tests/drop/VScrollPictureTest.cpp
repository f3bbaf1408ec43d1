// The scroll bar's picture in every theme and part state, pixel for pixel against the artwork
// it is composed from, written to test-output/vscroll-<theme>.png (one column per state).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "drop/VScrollPainter.h"
#include "render/ResourceBitmaps.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"

namespace {

constexpr int kWidth = 17;  // the artwork's own width: columns map one to one
constexpr int kHeight = 120;
constexpr int kArrow = 17;
constexpr int kThumbTop = 40;
constexpr int kThumbLength = 36;
constexpr int kGap = 4;

struct Case {
  const char* label;
  eVScrollPaint paint;
  bool enabled;
  // A piece whose first row must appear at row `y` of the picture.
  const char* piece;
  int y;
};

const std::vector<Case> kCases = {
    {"normal", eVScrollPaint::None, true, "VS_UP(", 0},
    {"up hot", eVScrollPaint::UpHot, true, "VS_UPHOT(", 0},
    {"up pressed", eVScrollPaint::UpPressed, true, "VS_UPPRESS(", 0},
    {"down hot", eVScrollPaint::DownHot, true, "VS_DOWNHOT(", kHeight - kArrow},
    {"down pressed", eVScrollPaint::DownPressed, true, "VS_DOWNPRESS(", kHeight - kArrow},
    {"thumb hot", eVScrollPaint::ThumbHot, true, "VS_TOPHOT(", kThumbTop},
    {"thumb pressed", eVScrollPaint::ThumbPressed, true, "VS_TOPPRESS(", kThumbTop},
    {"thumb", eVScrollPaint::None, true, "VS_TOP(", kThumbTop},
    {"disabled", eVScrollPaint::None, false, "VS_UPDISABLED", 0},
};

class VScrollPicture : public mirel_test::HeadlessTest, public ::testing::WithParamInterface<int> {};

TEST_P(VScrollPicture, EveryStateShowsItsPieceOfTheThemesArtwork) {
  const int theme = GetParam();
  const int pitch = kWidth + kGap;
  std::ostringstream wrong;
  {
    mirel_test::Canvas canvas(static_cast<int>(kCases.size()) * pitch, kHeight);
    styles::ArtworkCache artwork;
    for (size_t i = 0; i < kCases.size(); ++i) {
      const Case& c = kCases[i];
      mirel_test::Canvas one(kWidth, kHeight);
      DrawVScroll(one.dc(), {kWidth, kHeight, kArrow, kArrow, kThumbTop, kThumbLength, c.enabled, true, c.paint}, theme,
                  artwork);
      BitBlt(canvas.dc(), static_cast<int>(i) * pitch, 0, kWidth, kHeight, one.dc(), 0, 0, SRCCOPY);
      const std::string stem = c.piece;
      const win32::Surface* piece =
          DecodedResourceBitmap(stem.back() == '(' ? ThemedResourceName(stem, theme) : stem);
      ASSERT_NE(piece, nullptr) << c.piece;
      for (int x = 0; x < kWidth; ++x) {
        if (one.At(x, c.y) != piece->At(x, 0)) {
          wrong << c.label << ": column " << x << " is " << mirel_test::ColourText(one.At(x, c.y)) << ", " << c.piece
                << " has " << mirel_test::ColourText(piece->At(x, 0)) << "\n";
          break;
        }
      }
    }
    mirel_test::SavePixels(canvas.Pixels(), "vscroll-" + std::to_string(theme));
  }  // the canvases and the artwork go before the count
  EXPECT_TRUE(wrong.str().empty()) << wrong.str();
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

INSTANTIATE_TEST_SUITE_P(Themes, VScrollPicture, ::testing::Values(0, 1, 2));

}  // namespace
