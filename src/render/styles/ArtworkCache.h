// The built-in resource bitmaps one owner (the control, a band surface) paints from. Each
// named bitmap is decoded once, on first use, into its own off-screen surface kept for the
// owner's lifetime; painting then only copies sub-rectangles out of it.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "render/cMemDC.h"

namespace styles {

class ArtworkCache {
 public:
  // The surface holding the named bitmap ("MENUBAR2003_BITMAPS", "MSIE_PANEL(1)"), or null
  // when the library carries no bitmap of that name.
  const cMemDC* Find(std::string_view name);
  // Releases every surface (the owner is going away).
  void Clear() { m_Surfaces.clear(); }

 private:
  std::map<std::string, std::unique_ptr<cMemDC>, std::less<>> m_Surfaces;
};

}  // namespace styles
