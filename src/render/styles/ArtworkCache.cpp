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

const cMemDC* ArtworkCache::Gradient(std::string_view name, int height, const std::function<COLORREF(int)>& colourOf) {
  const std::pair<std::string, int> key{std::string(name), height};
  if (auto found = m_Gradients.find(key); found != m_Gradients.end()) return found->second.get();
  auto surface = std::make_unique<cMemDC>();
  surface->ChangeSize(1, height);
  if (surface->hdc() == nullptr) return nullptr;
  for (int y = 0; y < height; ++y) SetPixelV(surface->hdc(), 0, y, colourOf(y));
  return m_Gradients.emplace(key, std::move(surface)).first->second.get();
}

}  // namespace styles
