// The demo's menu icons: Tango 16x16 pictures loaded into two image-list controls, one for
// menu items and one for the captions on the bar. A picture that is missing (the icon theme
// is not installed) simply leaves its items without an icon.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "container/ImageList.h"

inline constexpr char kTangoIconFolder[] = "/usr/share/icons/Tango/16x16";

class DemoIcons {
 public:
  explicit DemoIcons(const std::string& folder = kTangoIconFolder);

  const std::shared_ptr<ImageList>& ItemImages() const { return m_Items; }
  const std::shared_ptr<ImageList>& HeaderImages() const { return m_Header; }
  // 1-based positions of a picture, by its name ("actions/document-new"); kNoIcon if absent.
  std::int16_t Item(std::string_view name) const;
  std::int16_t Header(std::string_view name) const;

 private:
  using Positions = std::map<std::string, std::int16_t, std::less<>>;
  static void Load(const std::string& folder, ImageList& list, Positions& positions, std::string_view name);
  static std::int16_t Find(const Positions& positions, std::string_view name);

  std::shared_ptr<ImageList> m_Items = std::make_shared<ImageList>();
  std::shared_ptr<ImageList> m_Header = std::make_shared<ImageList>();
  Positions m_ItemPositions;
  Positions m_HeaderPositions;
};
