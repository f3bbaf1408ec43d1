# Checked builds. MIREL_SANITIZE builds everything with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer, stopping at the first report. MIREL_FUZZ adds
# libFuzzer's coverage hooks to every object and builds the targets of fuzz/ (clang only).
if(MIREL_SANITIZE)
  # -O1 with line tables: reports keep their file and line, and the build stays quick.
  string(REGEX REPLACE "-O[0-9s]|-g" "" CMAKE_CXX_FLAGS_RELWITHDEBINFO "${CMAKE_CXX_FLAGS_RELWITHDEBINFO}")
  string(APPEND CMAKE_CXX_FLAGS_RELWITHDEBINFO " -O1 -gline-tables-only")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(MIREL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "MIREL_FUZZ needs clang (libFuzzer): configure with CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
