// Every built-in resource bitmap, painted in memory: name, theme and pixels.
#pragma once
#include <string>
#include <vector>

#include "win32/surface.h"

namespace artgen {

inline constexpr int kSharedTheme = -1;

struct ArtPiece {
  std::string name;  // the resource name, e.g. "VS_UP(0)"
  int theme;         // 0..2, or kSharedTheme for pictures used by every theme
  win32::Surface image;
};
using Artwork = std::vector<ArtPiece>;

Artwork BuildArtwork();

// The file under resources/ that holds a resource: "VS_UP(0)" -> "VS_UP_0.png".
std::string FileNameFor(const std::string& name);

// The families, one file each.
void AddMenuArt(Artwork& art);
void AddRebarArt(Artwork& art);
void AddScrollArt(Artwork& art);

// The per-theme name of a stem: Themed("VS_UP", 1) -> "VS_UP(1)".
std::string Themed(const std::string& stem, int index);

}  // namespace artgen
