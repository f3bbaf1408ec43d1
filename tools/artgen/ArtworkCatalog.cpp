#include "ArtworkCatalog.h"

#include <regex>

namespace artgen {

Artwork BuildArtwork() {
  Artwork art;
  AddMenuArt(art);
  AddRebarArt(art);
  AddScrollArt(art);
  return art;
}

std::string FileNameFor(const std::string& name) {
  static const std::regex themed(R"(^(.+)\(([0-9])\)$)");
  return std::regex_replace(name, themed, "$1_$2") + ".png";
}

std::string Themed(const std::string& stem, int index) { return stem + "(" + std::to_string(index) + ")"; }

}  // namespace artgen
