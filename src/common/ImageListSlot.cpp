#include "common/ImageListSlot.h"

#include "common/ErrorRaiser.h"
#include "container/AutomationError.h"
#include "container/IImageListSource.h"
#include "container/ListImages.h"
#include "win32/commctrl.h"

namespace {

constexpr const char* kImageListTypeName = "ImageList";
constexpr std::int16_t kProbeDrawStyle = 1;  // ILD_TRANSPARENT

// The handle of a working image-list object, or 0 when drawing its first image or reading its
// handle fails (an empty list, or an object that is no image list).
HIMAGELIST ProbeImageList(const ObjectRef& object) {
  auto* source = dynamic_cast<IImageListSource*>(object.get());
  if (source == nullptr) return nullptr;
  try {
    source->Images().Item(Variant(1))->Draw(nullptr, 0, 0, kProbeDrawStyle);
    return source->hImageList();
  } catch (const AutomationError&) {
    return nullptr;
  }
}

}  // namespace

void AttachImageList(tImageListSlot& slot, const Variant& ImageListControl, const char* errorSourcePrefix) {
  slot.hImageList = 0;
  slot.oImageList.reset();
  HIMAGELIST handle = nullptr;
  if (ImageListControl.IsObject()) {
    const ObjectRef& object = ImageListControl.Object();
    handle = ProbeImageList(object);
    if (handle != nullptr && object->TypeName() == kImageListTypeName) slot.oImageList = object;
  } else if (ImageListControl.Type() == VbVarType::Long) {  // only a 32-bit integer is a handle
    handle = LongToHandle<HIMAGELIST>(CLng(ImageListControl));
  } else {
    RaiseImageListError(errorSourcePrefix);
  }
  slot.hImageList = HandleToLong(handle);
  if (handle == nullptr) return;
  if (slot.oImageList) {
    const auto& source = dynamic_cast<const IImageListSource&>(*slot.oImageList);
    slot.iImageWidth = source.ImageWidth();
    slot.iImageHeight = source.ImageHeight();
    return;
  }
  RECT image{};
  if (ImageList_GetImageRect(handle, 0, &image) != FALSE) {
    slot.iImageWidth = StoreInt16(image.right - image.left);
    slot.iImageHeight = StoreInt16(image.bottom - image.top);
  }
}
