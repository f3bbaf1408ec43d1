// The image-list control as a control meets it: images loaded from PNG files, drawn at twips
// coordinates through ListImages(i).Draw, keys and positions, and the objects that are or
// are not image lists.
#include <filesystem>
#include <string>

#include "support/Errors.h"
#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/TempFiles.h"
#include "container/RuntimeErrors.h"
#include "container/ImageList.h"
#include "container/StdPicture.h"
#include "win32/commctrl.h"
#include "win32/png_io.h"
#include "win32/windows.h"

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
  for (int y = 0; y < kImageSize; ++y) {
    for (int x = kImageSize / 2; x < kImageSize; ++x) s.At(x, y) = kBlue;
  }
  return s;
}

class ImageListTest : public HeadlessTest {
 protected:
  std::string WriteHalfAndHalf() {
    const std::string path = TempPath("half.png");
    EXPECT_TRUE(win32::WritePng(HalfAndHalf(), path));
    return path;
  }
};

TEST_F(ImageListTest, LoadsAPngAndTakesItsSize) {
  ImageList list;
  EXPECT_EQ(list.TypeName(), "ImageList");
  EXPECT_EQ(list.hImageList(), nullptr);
  const std::string path = std::filesystem::exists(kTangoIcon) ? kTangoIcon : WriteHalfAndHalf();
  auto image = list.Images().AddFile(path, Variant("open"));
  EXPECT_EQ(list.Images().Count(), 1);
  EXPECT_EQ(image->Index(), 1);
  EXPECT_EQ(list.ImageWidth(), kImageSize);
  EXPECT_EQ(list.ImageHeight(), kImageSize);
  ASSERT_NE(list.hImageList(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(list.hImageList()), 1);

  Canvas canvas(kCanvasSize, kCanvasSize);
  list.Images().Item(Variant("open"))->Draw(canvas.dc(), 240, 240, ILD_TRANSPARENT);
  EXPECT_TRUE(win32::WritePng(canvas.Pixels(), TempPath("imagelist_draw.png")));
}

TEST_F(ImageListTest, DrawsAtTwipsConvertedWithTheScreensResolution) {
  struct Case {
    int dpi;
    int x;  // 240 twips
    int y;  // 480 twips
  };
  for (const Case& c : {Case{96, 16, 32}, Case{120, 20, 40}}) {
    ResetDesktop({.dpi = c.dpi});
    ImageList list;
    list.Images().AddFile(WriteHalfAndHalf());
    Canvas canvas(kCanvasSize, kCanvasSize);
    list.Images().Item(Variant(1))->Draw(canvas.dc(), 240, 480, ILD_TRANSPARENT);
    EXPECT_EQ(canvas.At(c.x, c.y), kRed) << c.dpi << " dpi";
    EXPECT_EQ(canvas.At(c.x + kImageSize - 1, c.y + kImageSize - 1), kBlue) << c.dpi << " dpi";
    EXPECT_EQ(canvas.At(c.x - 1, c.y), kWhite) << c.dpi << " dpi";
    EXPECT_EQ(canvas.At(c.x + kImageSize, c.y), kWhite) << c.dpi << " dpi";
  }
}

TEST_F(ImageListTest, ProbingDrawOnNoDeviceContextRaisesNothing) {
  ImageList list;
  EXPECT_EQ(ErrorOf([&] { list.Images().Item(Variant(1))->Draw(nullptr, 0, 0, ILD_TRANSPARENT); }),
            image_list_error::IndexOutOfBounds)
      << "an empty list has no first image";
  list.Images().AddFile(WriteHalfAndHalf());
  EXPECT_EQ(ErrorOf([&] { list.Images().Item(Variant(1))->Draw(nullptr, 0, 0, ILD_TRANSPARENT); }), 0);
}

TEST_F(ImageListTest, PositionsKeysAndTheirErrors) {
  ImageList list;
  const std::string path = WriteHalfAndHalf();
  list.Images().AddFile(path, Variant("a"));
  auto second = list.Images().AddFile(path, Variant("b"));
  list.Images().AddFile(path);
  EXPECT_EQ(list.Images().Item(Variant("b")), second);
  EXPECT_EQ(list.Images().Item(Variant("2")), second) << "a numeric string is a position";
  EXPECT_EQ(ErrorOf([&] { list.Images().Item(Variant(4)); }), image_list_error::IndexOutOfBounds);
  EXPECT_EQ(ErrorOf([&] { list.Images().Item(Variant(0)); }), image_list_error::IndexOutOfBounds);
  EXPECT_EQ(ErrorOf([&] { list.Images().Item(Variant("B")); }), image_list_error::ElementNotFound);
  EXPECT_EQ(ErrorOf([&] { list.Images().AddFile(path, Variant("a")); }), image_list_error::KeyNotUnique);
  EXPECT_EQ(ErrorOf([&] { list.Images().AddFile(path, Variant("7")); }), image_list_error::InvalidKey);
  EXPECT_EQ(ErrorOf([&] { list.Images().AddFile(TempPath("missing.png")); }), runtime_error_number::FileNotFound);
  EXPECT_EQ(ErrorOf([&] { list.SetImageWidth(32); }), image_list_error::ReadOnlyWithImages);

  list.Images().Remove(Variant("a"));
  EXPECT_EQ(second->Index(), 1) << "indexes follow removals";
  EXPECT_EQ(list.Images().Count(), 2);
  EXPECT_EQ(ImageList_GetImageCount(list.hImageList()), 2);
}

TEST_F(ImageListTest, PicturesAddedWithTheMaskColourAreTransparentThere) {
  win32::Surface picture = HalfAndHalf();
  for (int y = 0; y < kImageSize; ++y) picture.At(0, y) = kSilver;
  ImageList list;
  list.Images().Add(Variant::Missing(), Variant("p"), *StdPicture::FromSurface(picture));
  Canvas canvas(kCanvasSize, kCanvasSize);
  list.Images().Item(Variant("p"))->Draw(canvas.dc(), 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(0, 5), kWhite);
  EXPECT_EQ(canvas.At(1, 5), kRed);
}

TEST_F(ImageListTest, ImageListObjectsAndOtherObjectsAreToldApart) {
  struct NotAList : AutomationObject {
    std::string TypeName() const override { return "TextBox"; }
  };
  const std::vector<std::pair<ObjectRef, std::string>> objects = {
      {std::make_shared<ImageList>(), "ImageList"},
      {std::make_shared<MirelImageList>(), "MirelImageList"},
      {std::make_shared<NotAList>(), "TextBox"}};
  std::vector<std::string> seen;
  for (const auto& [object, name] : objects) {
    const Variant v(object);
    const bool source = dynamic_cast<IImageListSource*>(v.Object().get()) != nullptr;
    seen.push_back(TypeName(v) + (source ? " source" : " other"));
  }
  EXPECT_TRUE(SameSequence({"ImageList source", "MirelImageList source", "TextBox other"}, seen));
}

TEST_F(ImageListTest, PicturesMeasureInHiMetric) {
  auto picture = StdPicture::FromSurface(HalfAndHalf());
  EXPECT_EQ(picture->Type(), StdPicture::vbPicTypeBitmap);
  EXPECT_NE(picture->Handle(), nullptr);
  EXPECT_EQ(picture->Width(), 423);  // 16 px at 96 dpi
  EXPECT_EQ(picture->Height(), 423);
  EXPECT_EQ(ErrorOf([] { LoadPicture(TempPath("missing.png")); }), 53);
  EXPECT_EQ(LoadPicture(WriteHalfAndHalf())->WidthPixels(), kImageSize);
}

}  // namespace
