// The host's image-list control (type name "ImageList"): ListImages(i).Draw, hImageList,
// ImageWidth and ImageHeight over one image list of the layer. MirelImageList is the same
// list under another type name: an image-list object that is not the "ImageList" control.
#pragma once
#include <memory>
#include <string>

#include "container/AutomationObject.h"
#include "container/IImageListSource.h"
#include "container/ListImages.h"

class ImageList : public AutomationObject, public IImageListSource {
 public:
  ImageList() : ImageList("ImageList") {}

  std::string TypeName() const override { return m_TypeName; }
  HIMAGELIST hImageList() const override { return m_Images->Handle(); }
  ListImages& Images() override { return *m_Images; }
  // The collection as an object a host can hold.
  const std::shared_ptr<ListImages>& ListImagesObject() const { return m_Images; }
  std::int16_t ImageWidth() const override { return m_Images->ImageWidth(); }
  std::int16_t ImageHeight() const override { return m_Images->ImageHeight(); }
  // Read-only once the list holds images (error 35611).
  void SetImageWidth(std::int16_t width) { m_Images->SetImageSize(width, ImageHeight()); }
  void SetImageHeight(std::int16_t height) { m_Images->SetImageSize(ImageWidth(), height); }

 protected:
  explicit ImageList(std::string typeName)
      : m_TypeName(std::move(typeName)), m_Images(std::make_shared<ListImages>()) {}

 private:
  std::string m_TypeName;
  std::shared_ptr<ListImages> m_Images;
};

class MirelImageList final : public ImageList {
 public:
  MirelImageList() : ImageList("MirelImageList") {}
};
