#include "render/styles/ArtworkCache.h"

#include "render/modPicture.h"

namespace styles {

const cMemDC* ArtworkCache::Find(std::string_view name) {
  if (auto found = m_Surfaces.find(name); found != m_Surfaces.end()) return found->second.get();
  auto surface = std::make_unique<cMemDC>();
  // An unknown name is remembered as null so that it is not looked up on every paint.
  if (!LoadBitmapSurface(name, *surface) || surface->hdc() == nullptr) surface.reset();
  return m_Surfaces.emplace(std::string(name), std::move(surface)).first->second.get();
}

}  // namespace styles
