// The images of an image-list control: a 1-based collection over one image list of the
// layer. The list is created with the first image, whose size it takes unless ImageWidth
// and ImageHeight were set before.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "container/AutomationObject.h"
#include "container/ListImage.h"
#include "container/Variant.h"
#include "win32/surface.h"
#include "win32/types.h"

class StdPicture;

// Errors of the image-list control.
namespace image_list_error {
inline constexpr std::int32_t IndexOutOfBounds = 35600;
inline constexpr std::int32_t ElementNotFound = 35601;
inline constexpr std::int32_t KeyNotUnique = 35602;
inline constexpr std::int32_t InvalidKey = 35603;
inline constexpr std::int32_t ReadOnlyWithImages = 35611;
// Raises `number` with the control's source and its description.
[[noreturn]] void Raise(std::int32_t number);
}  // namespace image_list_error

class ListImages final : public AutomationObject, public std::enable_shared_from_this<ListImages> {
 public:
  static constexpr COLORREF kDefaultMaskColor = 0xC0C0C0;

  ListImages() = default;
  ~ListImages() override;
  ListImages(const ListImages&) = delete;
  ListImages& operator=(const ListImages&) = delete;

  std::string TypeName() const override { return "ListImages"; }
  std::int32_t Count() const { return static_cast<std::int32_t>(m_Items.size()); }
  // A position (numeric) or a key; error 35600 or 35601 when there is no such image.
  std::shared_ptr<ListImage> Item(const Variant& index) const;
  std::shared_ptr<ListImage> operator()(const Variant& index) const { return Item(index); }

  // Adds a picture under `key` (omitted: none). The layer's lists only append, so `index`,
  // when given, must be Count + 1 (error 35600 otherwise).
  std::shared_ptr<ListImage> Add(const Variant& index, const Variant& key, const StdPicture& picture);
  // Adds an image from pixels, with per-pixel alpha (one byte per pixel) or none.
  std::shared_ptr<ListImage> AddSurface(const Variant& index, const Variant& key, const win32::Surface& image,
                                        const std::vector<BYTE>& alpha = {});
  // Adds a PNG file, keeping its transparency; error 53 when missing, 481 when not a picture.
  std::shared_ptr<ListImage> AddFile(const std::string& path, const Variant& key = Variant::Missing());
  void Remove(const Variant& index);
  void Clear();

  HIMAGELIST Handle() const { return m_Handle; }
  std::int16_t ImageWidth() const { return m_Width; }
  std::int16_t ImageHeight() const { return m_Height; }
  // Only while there are no images (error 35611 otherwise).
  void SetImageSize(std::int16_t width, std::int16_t height);
  // Pictures added through Add are made transparent where they have this colour.
  bool UseMaskColor() const { return m_UseMaskColor; }
  void SetUseMaskColor(bool use) { m_UseMaskColor = use; }
  COLORREF MaskColor() const { return m_MaskColor; }
  void SetMaskColor(COLORREF color) { m_MaskColor = color; }

 private:
  friend class ListImage;
  std::int32_t Position(const ListImage& image) const;
  void CheckAppendIndex(const Variant& index) const;
  std::string CheckNewKey(const Variant& key) const;
  void EnsureList(int width, int height);
  std::shared_ptr<ListImage> Append(std::string key);

  HIMAGELIST m_Handle = nullptr;
  std::int16_t m_Width = 0;
  std::int16_t m_Height = 0;
  bool m_UseMaskColor = true;
  COLORREF m_MaskColor = kDefaultMaskColor;
  std::vector<std::shared_ptr<ListImage>> m_Items;
};
