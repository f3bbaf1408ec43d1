#include "render/ResourceBitmaps.h"

#include <algorithm>
#include <span>

// The table generated from resources/*.png at build time (see resources/Embed.cmake).
std::span<const EmbeddedPng> EmbeddedArtwork();

const EmbeddedPng* FindResourceBitmap(std::string_view name) {
  const std::span<const EmbeddedPng> all = EmbeddedArtwork();
  const auto found = std::find_if(all.begin(), all.end(), [name](const EmbeddedPng& e) { return e.name == name; });
  return found == all.end() ? nullptr : &*found;
}

std::string ThemedResourceName(std::string_view stemWithParen, int theme) {
  return std::string(stemWithParen) + std::to_string(theme) + ")";
}
