# Embeds the artwork PNGs of this folder into the static library mirel_artwork. A file
# "STEM_n.png" holds the resource "STEM(n)"; any other file holds the resource named after
# it. The generated source is rebuilt whenever a PNG is added, removed or changed.
file(GLOB MIREL_ARTWORK_PNGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.png)
set(MIREL_ARTWORK_SOURCE ${CMAKE_BINARY_DIR}/generated/EmbeddedArtwork.cpp)
set(MIREL_ARTWORK_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedArtwork.cmake)
string(REPLACE ";" "|" MIREL_ARTWORK_INPUTS "${MIREL_ARTWORK_PNGS}")
add_custom_command(
  OUTPUT ${MIREL_ARTWORK_SOURCE}
  COMMAND ${CMAKE_COMMAND} "-DINPUTS=${MIREL_ARTWORK_INPUTS}" -DOUTPUT=${MIREL_ARTWORK_SOURCE}
          -P ${MIREL_ARTWORK_SCRIPT}
  DEPENDS ${MIREL_ARTWORK_PNGS} ${MIREL_ARTWORK_SCRIPT}
  COMMENT "Embedding artwork"
  VERBATIM)
add_library(mirel_artwork STATIC ${MIREL_ARTWORK_SOURCE})
target_include_directories(mirel_artwork PUBLIC ${CMAKE_SOURCE_DIR}/src)
