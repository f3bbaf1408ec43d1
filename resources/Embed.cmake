# mirel_embed_artwork(<target>): compiles the artwork PNGs of this folder into <target>. A file
# "STEM_n.png" holds the resource "STEM(n)"; any other file holds the resource named after
# it. The generated source is rebuilt whenever a PNG is added, removed or changed.
set(MIREL_ARTWORK_DIR ${CMAKE_CURRENT_LIST_DIR})

function(mirel_embed_artwork target)
  file(GLOB pngs CONFIGURE_DEPENDS ${MIREL_ARTWORK_DIR}/*.png)
  set(source ${PROJECT_BINARY_DIR}/generated/EmbeddedArtwork.cpp)
  set(script ${MIREL_ARTWORK_DIR}/EmbedArtwork.cmake)
  string(REPLACE ";" "|" inputs "${pngs}")
  add_custom_command(
    OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} "-DINPUTS=${inputs}" -DOUTPUT=${source} -P ${script}
    DEPENDS ${pngs} ${script}
    COMMENT "Embedding artwork"
    VERBATIM)
  target_sources(${target} PRIVATE ${source})
endfunction()
