# Installs the libraries with their headers (under include/MirelMenuBar20, included as
# "core/MirelMenuBar20.h", "win32/windows.h", ...), the CMake package MirelMenuBar and the
# pkg-config files mirel-menubar.pc (and mirel-menubar-sdl.pc with the real-window backend).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(MIREL_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/MirelMenuBar20)
set(MIREL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/MirelMenuBar)
set(MIREL_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS ${MIREL_INSTALLED_LIBRARIES} EXPORT MirelMenuBarTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        FILE_SET HEADERS DESTINATION ${MIREL_INCLUDE_DIR})
install(EXPORT MirelMenuBarTargets NAMESPACE MirelMenuBar:: DESTINATION ${MIREL_PACKAGE_DIR})
if(TARGET mirel_win32_sdl)
  install(TARGETS mirel_win32_sdl EXPORT MirelMenuBarSdlTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
          FILE_SET HEADERS DESTINATION ${MIREL_INCLUDE_DIR})
  install(EXPORT MirelMenuBarSdlTargets NAMESPACE MirelMenuBar:: DESTINATION ${MIREL_PACKAGE_DIR})
endif()

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/MirelMenuBarConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/MirelMenuBarConfig.cmake
                              INSTALL_DESTINATION ${MIREL_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/MirelMenuBarConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/MirelMenuBarConfig.cmake ${PROJECT_BINARY_DIR}/MirelMenuBarConfigVersion.cmake
        DESTINATION ${MIREL_PACKAGE_DIR})

# The .pc files find the prefix from their own place, so an installed tree can be moved.
file(RELATIVE_PATH MIREL_PKGCONFIG_TO_PREFIX /prefix/${MIREL_PKGCONFIG_DIR} /prefix)
set(MIREL_PKGCONFIG_LIBS)
foreach(library IN LISTS MIREL_INSTALLED_LIBRARIES)
  get_target_property(type ${library} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    list(PREPEND MIREL_PKGCONFIG_LIBS -l${library})
  endif()
endforeach()
list(JOIN MIREL_PKGCONFIG_LIBS " " MIREL_PKGCONFIG_LIBS)
foreach(pc mirel-menubar mirel-menubar-sdl)
  if(pc STREQUAL "mirel-menubar-sdl" AND NOT TARGET mirel_win32_sdl)
    continue()
  endif()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${MIREL_PKGCONFIG_DIR})
endforeach()
