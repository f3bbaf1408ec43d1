#include "render/modImageList.h"

#include "container/AutomationError.h"
#include "container/IImageListSource.h"
#include "container/ListImages.h"
#include "container/Screen.h"
#include "win32/commctrl.h"

void DrawListImage(const ObjectRef& oImageList, HDC hDC, std::int32_t hImageList, std::int16_t index, int x, int y,
                   bool selected, bool focused) {
  UINT style = ILD_TRANSPARENT;
  if (selected) style |= ILD_SELECTED;
  if (focused) style |= ILD_FOCUS;

  if (oImageList) {
    // Late-bound call on the host's control: an object without images draws nothing.
    auto* source = dynamic_cast<IImageListSource*>(oImageList.get());
    if (source == nullptr) return;
    try {
      source->Images().Item(Variant(index))->Draw(hDC, static_cast<float>(x) * TwipsPerPixelX(),
                                                  static_cast<float>(y) * TwipsPerPixelY(),
                                                  static_cast<std::int16_t>(style));
    } catch (const AutomationError&) {
    }
    return;
  }
  if (hImageList == 0) return;
  const int position = index != 0 ? index - 1 : 0;
  ImageList_Draw(LongToHandle<HIMAGELIST>(hImageList), position, hDC, x, y, style);
}
