# The library installed for programs of its users: the layers' static libraries as
# imported targets tessel::platform ... tessel::skin_form (find_package(Tessel)), a
# pkg-config file (tessel), the headers under include/tessel/ in their layer folders,
# the web-view module and the demo skin.
include(CMakePackageConfigHelpers)

set(TESSEL_LAYERS
  platform platform_gtk framework media
  skin_data skin_draw skin_menus skin_controls skin_hint skin_tray skin_form)
foreach(layer ${TESSEL_LAYERS})
  set_target_properties(tessel_${layer} PROPERTIES EXPORT_NAME ${layer})
  # The same names in the build, so an example builds in the tree or on the package.
  add_library(tessel::${layer} ALIAS tessel_${layer})
endforeach()
list(TRANSFORM TESSEL_LAYERS PREPEND tessel_ OUTPUT_VARIABLE TESSEL_LAYER_TARGETS)

# The GTK backend is an export of its own, the package's "gtk" component: a program
# on the headless backend alone needs no GTK to build and link.
list(REMOVE_ITEM TESSEL_LAYER_TARGETS tessel_platform_gtk)
install(TARGETS ${TESSEL_LAYER_TARGETS} EXPORT TesselTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS tessel_platform_gtk EXPORT TesselGtkTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS tessel_webkit LIBRARY DESTINATION ${TESSEL_INSTALL_MODULE_DIR})
install(EXPORT TesselTargets NAMESPACE tessel:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tessel)
install(EXPORT TesselGtkTargets NAMESPACE tessel:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tessel)

foreach(dir platform framework media skin)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessel/${dir}
    FILES_MATCHING PATTERN "*.h"
    PATTERN "gtk" EXCLUDE)
endforeach()
install(FILES ${TESSEL_LAYER_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessel)
install(FILES ${TESSEL_DEMO_SKIN_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tessel/skins)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TesselConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TesselConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tessel
  PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TesselConfigVersion.cmake
  VERSION 0.1.0 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TesselConfig.cmake ${PROJECT_BINARY_DIR}/TesselConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tessel)

# pkg-config: the static libraries from the top layer down, then what they stand on.
set(TESSEL_PC_LIBS "")
foreach(layer skin_form skin_hint skin_tray skin_controls skin_menus skin_draw skin_data media platform_gtk
    framework platform)
  string(APPEND TESSEL_PC_LIBS " -ltessel_${layer}")
endforeach()
# The prefix is found from the file's own place, so the package may be installed
# anywhere (cmake --install --prefix).
file(RELATIVE_PATH TESSEL_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" TESSEL_PC_TO_PREFIX "${TESSEL_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tessel.pc.in ${PROJECT_BINARY_DIR}/tessel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tessel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
