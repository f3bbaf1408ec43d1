#include "container/ListImages.h"

#include <algorithm>
#include <filesystem>

#include "container/AutomationError.h"
#include "container/RuntimeErrors.h"
#include "container/StdPicture.h"
#include "win32/commctrl.h"
#include "win32/gdi.h"
#include "win32/png_io.h"

namespace {

constexpr char kSource[] = "ImageList";
constexpr int kInitialCapacity = 4;
constexpr int kGrowBy = 4;

}  // namespace

void image_list_error::Raise(std::int32_t number) {
  const char* description = "";
  switch (number) {
    case image_list_error::IndexOutOfBounds: description = "Index out of bounds"; break;
    case image_list_error::ElementNotFound: description = "Element not found"; break;
    case image_list_error::KeyNotUnique: description = "Key is not unique in collection"; break;
    case image_list_error::InvalidKey: description = "Invalid key"; break;
    case image_list_error::ReadOnlyWithImages:
      description = "Property is read-only if image list contains images";
      break;
    default: RaiseRuntimeErrorFrom(number, kSource);
  }
  throw AutomationError(number, kSource, description);
}

using image_list_error::Raise;

ListImages::~ListImages() {
  if (m_Handle) ImageList_Destroy(m_Handle);
}

std::shared_ptr<ListImage> ListImages::Item(const Variant& index) const {
  if (IsNumeric(index)) {
    const std::int32_t position = CLng(index);
    if (position < 1 || position > Count()) Raise(image_list_error::IndexOutOfBounds);
    return m_Items[static_cast<size_t>(position - 1)];
  }
  const std::string key = CStr(index);
  const auto it = std::find_if(m_Items.begin(), m_Items.end(), [&](const auto& item) { return item->Key() == key; });
  if (it == m_Items.end()) Raise(image_list_error::ElementNotFound);
  return *it;
}

void ListImages::CheckAppendIndex(const Variant& index) const {
  if (!index.IsMissing() && CLng(index) != Count() + 1) Raise(image_list_error::IndexOutOfBounds);
}

// Keys are optional; a given key is a non-numeric string not used yet.
std::string ListImages::CheckNewKey(const Variant& key) const {
  if (key.IsMissing() || key.IsEmpty()) return {};
  const std::string text = CStr(key);
  if (text.empty()) return text;
  if (IsNumericString(text)) Raise(image_list_error::InvalidKey);
  if (std::any_of(m_Items.begin(), m_Items.end(), [&](const auto& item) { return item->Key() == text; })) {
    Raise(image_list_error::KeyNotUnique);
  }
  return text;
}

void ListImages::EnsureList(int width, int height) {
  if (m_Handle) {
    if (width != m_Width || height != m_Height) Raise(runtime_error_number::InvalidPicture);
    return;
  }
  if (m_Width == 0 || m_Height == 0) {
    m_Width = StoreInt16(width);
    m_Height = StoreInt16(height);
  } else if (width != m_Width || height != m_Height) {
    Raise(runtime_error_number::InvalidPicture);
  }
  m_Handle = ImageList_Create(m_Width, m_Height, ILC_COLOR32 | ILC_MASK, kInitialCapacity, kGrowBy);
}

std::shared_ptr<ListImage> ListImages::Append(std::string key) {
  auto image = std::make_shared<ListImage>(weak_from_this(), std::move(key));
  m_Items.push_back(image);
  return image;
}

std::shared_ptr<ListImage> ListImages::Add(const Variant& index, const Variant& key, const StdPicture& picture) {
  CheckAppendIndex(index);
  std::string checkedKey = CheckNewKey(key);
  if (!picture.Handle()) Raise(runtime_error_number::InvalidPicture);
  EnsureList(picture.WidthPixels(), picture.HeightPixels());
  const int added = m_UseMaskColor ? ImageList_AddMasked(m_Handle, picture.Handle(), m_MaskColor)
                                   : ImageList_Add(m_Handle, picture.Handle(), nullptr);
  if (added < 0) Raise(runtime_error_number::InvalidPicture);
  return Append(std::move(checkedKey));
}

std::shared_ptr<ListImage> ListImages::AddSurface(const Variant& index, const Variant& key,
                                                  const win32::Surface& image, const std::vector<BYTE>& alpha) {
  CheckAppendIndex(index);
  std::string checkedKey = CheckNewKey(key);
  EnsureList(image.width, image.height);
  if (win32::ImageList_AddSurface(m_Handle, image, alpha) < 0) Raise(runtime_error_number::InvalidPicture);
  return Append(std::move(checkedKey));
}

std::shared_ptr<ListImage> ListImages::AddFile(const std::string& path, const Variant& key) {
  if (!std::filesystem::exists(path)) Raise(runtime_error_number::FileNotFound);
  win32::Surface image;
  std::vector<BYTE> alpha;
  if (!win32::ReadPngWithAlpha(path, image, alpha)) Raise(runtime_error_number::InvalidPicture);
  return AddSurface(Variant::Missing(), key, image, alpha);
}

void ListImages::Remove(const Variant& index) {
  const std::int32_t position = Item(index)->Index();
  ImageList_Remove(m_Handle, position - 1);
  m_Items.erase(m_Items.begin() + (position - 1));
}

void ListImages::Clear() {
  if (m_Handle) ImageList_Remove(m_Handle, -1);
  m_Items.clear();
}

void ListImages::SetImageSize(std::int16_t width, std::int16_t height) {
  if (!m_Items.empty()) Raise(image_list_error::ReadOnlyWithImages);
  if (m_Handle && (width != m_Width || height != m_Height)) {
    ImageList_Destroy(m_Handle);
    m_Handle = nullptr;
  }
  m_Width = width;
  m_Height = height;
}

std::int32_t ListImages::Position(const ListImage& image) const {
  const auto it = std::find_if(m_Items.begin(), m_Items.end(), [&](const auto& item) { return item.get() == &image; });
  return it == m_Items.end() ? 0 : static_cast<std::int32_t>(it - m_Items.begin()) + 1;
}
