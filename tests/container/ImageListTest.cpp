// The image-list control as a control meets it: images loaded from PNG files, drawn at twips
// coordinates through ListImages(i).Draw, keys and positions, and the objects that are or
// are not image lists.
#include <filesystem>

#include "container/ImageList.h"
#include "container/RuntimeErrors.h"
#include "container/StdPicture.h"
#include "support/Errors.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/TempFiles.h"
#include "support/Values.h"
#include "win32/commctrl.h"
#include "win32/png_io.h"

namespace {

constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr int kImageSize = 16;
constexpr int kCanvasSize = 64;
constexpr char kTangoIcon[] = "/usr/share/icons/Tango/16x16/actions/document-open.png";

using namespace mirel_test;

// A 16 x 16 image: red left half, blue right half.
win32::Surface HalfAndHalf() {
  win32::Surface s;
  s.Resize(kImageSize, kImageSize, kRed);
  for (int y = 0; y < kImageSize; ++y)
    for (int x = kImageSize / 2; x < kImageSize; ++x) s.At(x, y) = kBlue;
  return s;
}

std::string WriteHalfAndHalf() {
  const std::string path = TempPath("half.png");
  EXPECT_TRUE(win32::WritePng(HalfAndHalf(), path));
  return path;
}

using ImageListTest = HeadlessTest;

TEST_F(ImageListTest, LoadsAPngAndTakesItsSize) {
  ImageList list;
  EXPECT_EQ(Values(list.TypeName(), list.hImageList() == nullptr), "ImageList 1");
  const std::string path = std::filesystem::exists(kTangoIcon) ? kTangoIcon : WriteHalfAndHalf();
  auto image = list.Images().AddFile(path, Variant("open"));
  ASSERT_NE(list.hImageList(), nullptr);
  EXPECT_EQ(Values(list.Images().Count(), image->Index(), list.ImageWidth(), list.ImageHeight(),
                   ImageList_GetImageCount(list.hImageList())),
            Values(1, 1, kImageSize, kImageSize, 1));
  Canvas canvas(kCanvasSize, kCanvasSize);
  list.Images().Item(Variant("open"))->Draw(canvas.dc(), 240, 240, ILD_TRANSPARENT);  // pixels (16, 16)
  const RECT ink = canvas.InkBox();
  EXPECT_TRUE(ink.left >= 16 && ink.top >= 16 && ink.right <= 32 && ink.bottom <= 32 && ink.left < ink.right) << RectText(ink);
}

// A probing draw on no device context raises only when there is no image to draw.
TEST_F(ImageListTest, PositionsKeysAndTheirErrors) {
  ImageList list;
  const auto probe = [&] { return ErrorOf([&] { list.Images().Item(Variant(1))->Draw(nullptr, 0, 0, ILD_TRANSPARENT); }); };
  EXPECT_EQ(probe(), image_list_error::IndexOutOfBounds) << "an empty list has no first image";
  const std::string path = WriteHalfAndHalf();
  list.Images().AddFile(path, Variant("a"));
  auto second = list.Images().AddFile(path, Variant("b"));
  list.Images().AddFile(path);
  EXPECT_EQ(Values(list.Images().Item(Variant("b")) == second, probe()), "1 0");
  EXPECT_EQ(list.Images().Item(Variant("2")), second) << "a numeric string is a position";
  using namespace image_list_error;
  EXPECT_EQ(Values(ErrorOf([&] { list.Images().Item(Variant(4)); }), ErrorOf([&] { list.Images().Item(Variant(0)); }),
                   ErrorOf([&] { list.Images().Item(Variant("B")); }), ErrorOf([&] { list.Images().AddFile(path, Variant("a")); }),
                   ErrorOf([&] { list.Images().AddFile(path, Variant("7")); }),
                   ErrorOf([&] { list.Images().AddFile(TempPath("missing.png")); }), ErrorOf([&] { list.SetImageWidth(32); })),
            Values(IndexOutOfBounds, IndexOutOfBounds, ElementNotFound, KeyNotUnique, InvalidKey,
                   runtime_error_number::FileNotFound, ReadOnlyWithImages));

  list.Images().Remove(Variant("a"));
  // Indexes follow removals.
  EXPECT_EQ(Values(second->Index(), list.Images().Count(), ImageList_GetImageCount(list.hImageList())), "1 2 2");
}

// Drawn at twips (240, 300), pixels (16, 20) at 96 dpi.
TEST_F(ImageListTest, PicturesAddedWithTheMaskColourAreTransparentThere) {
  win32::Surface picture = HalfAndHalf();
  for (int y = 0; y < kImageSize; ++y) picture.At(0, y) = kSilver;
  ImageList list;
  list.Images().Add(Variant::Missing(), Variant("p"), *StdPicture::FromSurface(picture));
  Canvas canvas(kCanvasSize, kCanvasSize);
  list.Images().Item(Variant("p"))->Draw(canvas.dc(), 240, 300, ILD_TRANSPARENT);
  EXPECT_EQ(RectText(canvas.InkBox()), "17,20-32,36") << "the mask column left white";
  EXPECT_EQ(Values(canvas.At(16, 25), canvas.At(17, 25), canvas.At(31, 25)), Values(kWhite, kRed, kBlue));
}

TEST_F(ImageListTest, PicturesMeasureInHiMetric) {
  auto picture = StdPicture::FromSurface(HalfAndHalf());
  EXPECT_NE(picture->Handle(), nullptr);
  // 16 px at 96 dpi.
  EXPECT_EQ(Values(picture->Type(), picture->Width(), picture->Height()), Values(StdPicture::vbPicTypeBitmap, 423, 423));
  EXPECT_EQ(ErrorOf([] { LoadPicture(TempPath("missing.png")); }), 53);
  EXPECT_EQ(LoadPicture(WriteHalfAndHalf())->WidthPixels(), kImageSize);
}

}  // namespace
