#include "render/ResourceBitmaps.h"

#include <algorithm>
#include <map>
#include <memory>
#include <span>

#include "win32/png_io.h"

// The table generated from resources/*.png at build time (see resources/Embed.cmake).
std::span<const EmbeddedPng> EmbeddedArtwork();

const win32::Surface* DecodedResourceBitmap(std::string_view name) {
  // Decoded once per process; an unknown or undecodable name is remembered as null.
  static std::map<std::string, std::unique_ptr<win32::Surface>, std::less<>> decoded;
  if (const auto found = decoded.find(name); found != decoded.end()) return found->second.get();
  auto pixels = std::make_unique<win32::Surface>();
  const EmbeddedPng* resource = FindResourceBitmap(name);
  if (resource == nullptr || !win32::ReadPngFromMemory(resource->data, resource->size, *pixels)) pixels.reset();
  return decoded.emplace(std::string(name), std::move(pixels)).first->second.get();
}

const EmbeddedPng* FindResourceBitmap(std::string_view name) {
  const std::span<const EmbeddedPng> all = EmbeddedArtwork();
  const auto found = std::find_if(all.begin(), all.end(), [name](const EmbeddedPng& e) { return e.name == name; });
  return found == all.end() ? nullptr : &*found;
}

std::string ThemedResourceName(std::string_view stemWithParen, int theme) {
  return std::string(stemWithParen) + std::to_string(theme) + ")";
}
