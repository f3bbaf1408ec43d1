# Script mode, one STEP of the hosting check (see CMakeLists.txt here). The host program
# prints the MenuItemClick it receives and writes a screenshot; both are checked.
set(prefix ${SCRATCH}/prefix)
set(host_source ${SOURCE_DIR}/examples/minimal_host)

function(run)
  execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# Configures the host project into `build` with the compiler (and launcher) of this build.
function(configure_host build)
  file(REMOVE_RECURSE ${build})
  run(${CMAKE_COMMAND} -S ${host_source} -B ${build} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX}
      -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} ${ARGN})
endfunction()

function(run_host program png)
  file(REMOVE ${png})
  execute_process(COMMAND ${program} ${png} OUTPUT_VARIABLE output COMMAND_ERROR_IS_FATAL ANY)
  message("${output}")
  if(NOT output MATCHES "MenuItemClick 1 File 2 Open" OR NOT EXISTS ${png})
    message(FATAL_ERROR "the host did not report the click on File > Open or wrote no ${png}")
  endif()
endfunction()

if(STEP STREQUAL "install")
  file(REMOVE_RECURSE ${prefix})
  run(${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix})
elseif(STEP STREQUAL "find_package")
  set(build ${SCRATCH}/find_package)
  configure_host(${build} -DCMAKE_PREFIX_PATH=${prefix})
  run(${CMAKE_COMMAND} --build ${build})
  run_host(${build}/minimal_host ${build}/minimal_host.png)
elseif(STEP STREQUAL "pkg_config")
  set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
  execute_process(COMMAND pkg-config --cflags --libs mirel-menubar OUTPUT_VARIABLE flags
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${CXX} ${host_source}/main.cpp -o ${SCRATCH}/minimal_host_pc ${flags})
  run_host(${SCRATCH}/minimal_host_pc ${SCRATCH}/minimal_host_pc.png)
elseif(STEP STREQUAL "add_subdirectory")
  # Configuring proves the targets complete under another top-level project (an empty glob or
  # a missing alias stops it); compiling the host's source with the command the build would
  # use proves the include paths reach it. Linking is left to the find_package step, as it
  # would build the whole library a second time.
  set(build ${SCRATCH}/add_subdirectory)
  configure_host(${build} -DMIREL_SOURCE_DIR=${SOURCE_DIR} -DCMAKE_EXPORT_COMPILE_COMMANDS=ON)
  file(READ ${build}/compile_commands.json commands)
  string(JSON count LENGTH "${commands}")
  math(EXPR last "${count} - 1")
  foreach(index RANGE ${last})
    string(JSON file GET "${commands}" ${index} file)
    if(file STREQUAL "${host_source}/main.cpp")
      string(JSON command GET "${commands}" ${index} command)
      separate_arguments(command UNIX_COMMAND "${command}")
      execute_process(COMMAND ${command} WORKING_DIRECTORY ${build} COMMAND_ERROR_IS_FATAL ANY)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "the host's main.cpp is not among the compile commands")
else()
  message(FATAL_ERROR "unknown STEP '${STEP}'")
endif()
