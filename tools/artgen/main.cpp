// mirel_artgen <outdir>             writes every built-in resource bitmap as <outdir>/<name>.png
// mirel_artgen --sheet <file.png>   writes a labelled, magnified contact sheet of them all
#include <cstdio>
#include <filesystem>
#include <string>

#include "ArtworkCatalog.h"
#include "ContactSheet.h"
#include "win32/png_io.h"

namespace {

constexpr int kExitUsage = 2;

int Usage() {
  std::fprintf(stderr, "usage: mirel_artgen <outdir>\n       mirel_artgen --sheet <file.png>\n");
  return kExitUsage;
}

int WriteAll(const std::filesystem::path& dir) {
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  int failures = 0;
  for (const artgen::ArtPiece& piece : artgen::BuildArtwork()) {
    const std::filesystem::path file = dir / artgen::FileNameFor(piece.name);
    if (!win32::WritePng(piece.image, file.string())) {
      std::fprintf(stderr, "mirel_artgen: cannot write %s\n", file.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}

int WriteSheet(const std::string& file) {
  if (win32::WritePng(artgen::RenderContactSheet(artgen::BuildArtwork()), file)) return 0;
  std::fprintf(stderr, "mirel_artgen: cannot write %s\n", file.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) != "--sheet") return WriteAll(argv[1]);
  if (argc == 3 && std::string(argv[1]) == "--sheet") return WriteSheet(argv[2]);
  return Usage();
}
