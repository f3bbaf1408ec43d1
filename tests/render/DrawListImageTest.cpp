// Drawing attached images the way every painter does: through a bare image-list handle, an
// image-list object that only lends its handle, or the host's "ImageList" control drawn
// through its own Draw at twips.
#include <memory>

#include "common/ImageListSlot.h"
#include "container/ImageList.h"
#include "container/StdPicture.h"
#include "render/cMemDC.h"
#include "render/modImageList.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"
#include "win32/commctrl.h"

namespace {

using mirel_test::Values;

using mirel_test::FillDC;
using mirel_test::ReadPixels;
using mirel_test::SamePixels;
using mirel_test::SavePixels;

constexpr int kImageSize = 6;
constexpr COLORREF kFirst = RGB(200, 40, 40);
constexpr COLORREF kSecond = RGB(40, 60, 200);
constexpr COLORREF kGround = RGB(250, 250, 240);
constexpr BYTE kOpaque = 255;
constexpr BYTE kClear = 0;
constexpr int kCanvasWidth = 40;
constexpr int kCanvasHeight = 20;

// A solid square with a clear top-left pixel.
win32::Surface Square(COLORREF colour) {
  win32::Surface image;
  image.Resize(kImageSize, kImageSize, colour);
  return image;
}
std::vector<BYTE> ClearCornerAlpha() {
  std::vector<BYTE> alpha(kImageSize * kImageSize, kOpaque);
  alpha[0] = kClear;
  return alpha;
}

class DrawListImageTest : public mirel_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    canvas_.ChangeSize(kCanvasWidth, kCanvasHeight);
  }
  void Clear() { FillDC(canvas_.hdc(), {0, 0, kCanvasWidth, kCanvasHeight}, kGround); }
  win32::Surface Pixels() { return ReadPixels(canvas_.hdc(), kCanvasWidth, kCanvasHeight); }
  // The canvas after drawing one image on a clear ground.
  win32::Surface Drawn(const ObjectRef& object, HIMAGELIST handle, std::int16_t index, int x, int y,
                       bool selected = false, bool focused = false) {
    Clear();
    DrawListImage(object, canvas_.hdc(), HandleToLong(handle), index, x, y, selected, focused);
    return Pixels();
  }
  static std::shared_ptr<ImageList> TwoImages(std::shared_ptr<ImageList> list) {
    list->Images().AddSurface(Variant::Missing(), Variant::Missing(), Square(kFirst), ClearCornerAlpha());
    list->Images().AddSurface(Variant::Missing(), Variant::Missing(), Square(kSecond), ClearCornerAlpha());
    return list;
  }

  cMemDC canvas_;
};

TEST_F(DrawListImageTest, ThroughAHandleIndexZeroAndOneBothDrawTheFirstImage) {
  const auto list = TwoImages(std::make_shared<MirelImageList>());
  const win32::Surface zero = Drawn(nullptr, list->hImageList(), 0, 3, 4);
  const win32::Surface one = Drawn(nullptr, list->hImageList(), 1, 3, 4);
  const win32::Surface two = Drawn(nullptr, list->hImageList(), 2, 3, 4);
  SavePixels(one, "render_list_image_handle");
  EXPECT_TRUE(SamePixels(zero, one));
  // The clear corner, the image's last pixel and beyond it; the second image.
  EXPECT_EQ(Values(one.At(4, 5), one.At(3, 4), one.At(8, 9), one.At(9, 9), one.At(8, 10), two.At(4, 5)),
            Values(kFirst, kGround, kFirst, kGround, kGround, kSecond));
}

TEST_F(DrawListImageTest, SelectedAndFocusedDrawBlendedAsTheListsOwnStyles) {
  const auto list = TwoImages(std::make_shared<MirelImageList>());
  const HIMAGELIST handle = list->hImageList();
  struct Case {
    bool selected;
    bool focused;
    UINT style;
  };
  for (const Case c : {Case{false, false, ILD_TRANSPARENT}, Case{true, false, ILD_TRANSPARENT | ILD_SELECTED},
                       Case{false, true, ILD_TRANSPARENT | ILD_FOCUS},
                       Case{true, true, ILD_TRANSPARENT | ILD_SELECTED | ILD_FOCUS}}) {
    const win32::Surface ours = Drawn(nullptr, handle, 2, 10, 2, c.selected, c.focused);
    Clear();
    ImageList_Draw(handle, 1, canvas_.hdc(), 10, 2, c.style);
    EXPECT_TRUE(SamePixels(ours, Pixels())) << "selected " << c.selected << ", focused " << c.focused;
  }
  EXPECT_NE(Drawn(nullptr, handle, 2, 10, 2, true, false).At(12, 4), kSecond);
}

TEST_F(DrawListImageTest, TheImageListControlDrawsThroughItsOwnDrawAtThePixelsGiven) {
  for (int dpi : {96, 120}) {
    ResetDesktop({.dpi = dpi});
    const auto control = TwoImages(std::make_shared<ImageList>());
    // With the object kept, the handle argument is not used.
    const win32::Surface drawn = Drawn(control, nullptr, 2, 7, 5);
    SavePixels(drawn, "render_list_image_control_" + std::to_string(dpi));
    EXPECT_EQ(Values(drawn.At(7, 5), drawn.At(8, 5), drawn.At(12, 10), drawn.At(13, 10), drawn.At(6, 6)),
              Values(kGround, kSecond, kSecond, kGround, kGround))
        << dpi << " dpi";
  }
}

TEST_F(DrawListImageTest, FailingOrMissingSourcesDrawNothing) {
  Clear();
  const win32::Surface ground = Pixels();
  const auto control = TwoImages(std::make_shared<ImageList>());
  const auto empty = std::make_shared<ImageList>();
  EXPECT_TRUE(SamePixels(Drawn(control, nullptr, 3, 0, 0), ground));  // no third image
  EXPECT_TRUE(SamePixels(Drawn(empty, nullptr, 1, 0, 0), ground));
  EXPECT_TRUE(SamePixels(Drawn(nullptr, nullptr, 1, 0, 0), ground));
  EXPECT_TRUE(SamePixels(Drawn(std::make_shared<StdPicture>(), control->hImageList(), 1, 0, 0), ground));
}

TEST_F(DrawListImageTest, DrawsFromTheSlotsTheControlAttaches) {
  const auto control = TwoImages(std::make_shared<ImageList>());
  const auto other = TwoImages(std::make_shared<MirelImageList>());
  tImageListSlot fromControl;
  tImageListSlot fromObject;
  tImageListSlot fromHandle;
  AttachImageList(fromControl, Variant(control), "MirelSuiteMenuBar.Test");
  AttachImageList(fromObject, Variant(other), "MirelSuiteMenuBar.Test");
  AttachImageList(fromHandle, Variant::Long(HandleToLong(other->hImageList())), "MirelSuiteMenuBar.Test");
  ASSERT_TRUE(fromControl.oImageList);
  ASSERT_FALSE(fromObject.oImageList);

  const auto draw = [&](const tImageListSlot& slot) {
    Clear();
    DrawListImage(slot.oImageList, canvas_.hdc(), slot.hImageList, 2, 20, 8, false, false);
    return Pixels();
  };
  const win32::Surface expected = draw(fromControl);
  EXPECT_EQ(expected.At(21, 9), kSecond);
  EXPECT_TRUE(SamePixels(draw(fromObject), expected));
  EXPECT_TRUE(SamePixels(draw(fromHandle), expected));
}

}  // namespace
