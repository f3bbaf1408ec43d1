// The built-in resource bitmaps one owner (the control, a band surface) paints from. Each
// named bitmap is decoded once, on first use, into its own off-screen surface kept for the
// owner's lifetime; painting then only copies sub-rectangles out of it. Vertical gradients
// the styles compute are kept the same way, one pixel wide per height.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "render/cMemDC.h"

namespace styles {

class ArtworkCache {
 public:
  // The surface holding the named bitmap ("MENUBAR2003_BITMAPS", "MSIE_PANEL(1)"), or null
  // when the library carries no bitmap of that name.
  const cMemDC* Find(std::string_view name);
  // A column `height` pixels high whose row y has the colour `colourOf(y)`, made on the first
  // request for that name and height; null when no surface can be made.
  const cMemDC* Gradient(std::string_view name, int height, const std::function<COLORREF(int)>& colourOf);
  // Releases every surface (the owner is going away).
  void Clear() {
    m_Surfaces.clear();
    m_Gradients.clear();
  }

 private:
  std::map<std::string, std::unique_ptr<cMemDC>, std::less<>> m_Surfaces;
  std::map<std::pair<std::string, int>, std::unique_ptr<cMemDC>, std::less<>> m_Gradients;
};

}  // namespace styles
