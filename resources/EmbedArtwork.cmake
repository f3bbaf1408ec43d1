# Script mode: writes OUTPUT, a C++ source holding the bytes of every PNG in INPUTS
# ("|"-separated) and the table EmbeddedArtwork() that names them.
string(REPLACE "|" ";" inputs "${INPUTS}")
set(arrays "")
set(entries "")
set(index 0)
foreach(png IN LISTS inputs)
  get_filename_component(stem ${png} NAME_WE)
  string(REGEX REPLACE "^(.+)_([0-9])$" "\\1(\\2)" name "${stem}")
  file(READ ${png} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char kPng${index}[] = {${bytes}};\n")
  string(APPEND entries "    {\"${name}\", kPng${index}, sizeof(kPng${index})},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}
"// Generated from resources/*.png at build time; do not edit.
#include <span>

#include \"render/ResourceBitmaps.h\"

namespace {
${arrays}
const EmbeddedPng kEntries[] = {
${entries}};
}  // namespace

std::span<const EmbeddedPng> EmbeddedArtwork() { return kEntries; }
")


