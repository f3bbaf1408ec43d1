// What a host's image-list object offers a control that draws from it: the layer's image
// list handle, the images (ListImages(i).Draw) and the image size. Both the "ImageList"
// control and other image-list objects implement it; objects that do not are not image lists.
#pragma once
#include <cstdint>

#include "win32/types.h"

class ListImages;

class IImageListSource {
 public:
  virtual ~IImageListSource() = default;
  // 0 until the first image is added.
  virtual HIMAGELIST hImageList() const = 0;
  virtual ListImages& Images() = 0;
  virtual std::int16_t ImageWidth() const = 0;
  virtual std::int16_t ImageHeight() const = 0;

 protected:
  IImageListSource() = default;
  IImageListSource(const IImageListSource&) = default;
  IImageListSource& operator=(const IImageListSource&) = default;
};
