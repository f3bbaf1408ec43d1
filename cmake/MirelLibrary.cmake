# Helpers shared by the project's CMake files. Paths are taken from PROJECT_SOURCE_DIR, never
# CMAKE_SOURCE_DIR, so the project builds the same under add_subdirectory.

# mirel_library(<target> DIRS <dir>... [EXCLUDE <dir>...] [DEPS <target>...] [EXPORT_NAME <name>])
# A static library of every .cpp under the DIRS (folders of the project, searched recursively,
# minus the EXCLUDE subtrees); the headers beside them are its public header set, included
# by their path below src/. A folder added later joins its library without an edit here. A
# library that finds no source stops the configure: an empty target would only fail at link
# time, far from the cause.
function(mirel_library name)
  cmake_parse_arguments(ARG "" "EXPORT_NAME" "DIRS;EXCLUDE;DEPS" ${ARGN})
  set(sources)
  set(headers)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  foreach(dir IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "^${dir}/")
  endforeach()
  list(TRANSFORM sources PREPEND ${PROJECT_SOURCE_DIR}/)
  set(headers ${sources})
  list(FILTER headers INCLUDE REGEX "\\.h$")
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(NOT sources)
    message(FATAL_ERROR "${name}: no .cpp file under ${ARG_DIRS} (in ${PROJECT_SOURCE_DIR}); "
                        "the library would be empty.")
  endif()
  add_library(${name} STATIC ${sources})
  target_sources(${name} PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR}/src FILES ${headers})
  target_compile_features(${name} PUBLIC cxx_std_20)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(ARG_EXPORT_NAME)
    set_target_properties(${name} PROPERTIES EXPORT_NAME ${ARG_EXPORT_NAME})
    add_library(MirelMenuBar::${ARG_EXPORT_NAME} ALIAS ${name})
  endif()
endfunction()

# mirel_add_folders(<folder>): adds every subfolder of <folder> that has a CMakeLists.txt.
function(mirel_add_folders parent)
  file(GLOB dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${parent}/*)
  foreach(dir IN LISTS dirs)
    if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
