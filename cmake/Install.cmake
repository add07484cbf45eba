# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Quorvel on a Linux desktop (freedesktop.org layout through
# GNUInstallDirs) and packaging it for Debian with CPack. Included from the
# top CMakeLists.txt after both programs are defined.
include(GNUInstallDirs)

set(QUORVEL_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/desktop)
set(QUORVEL_GENERATED_DESKTOP_DIR ${PROJECT_BINARY_DIR}/desktop)
set(QUORVEL_ICON_SIZES 16 22 24 32 48 64 128 256)

# The PNG icons are rendered from the one scalable icon at build time.
find_package(Qt6 REQUIRED COMPONENTS Gui Svg)
add_executable(quorvel_render_icons ${QUORVEL_DESKTOP_DIR}/render_icons.cpp)
target_link_libraries(quorvel_render_icons PRIVATE Qt6::Gui Qt6::Svg)
set(QUORVEL_ICON_PNGS)
foreach(size IN LISTS QUORVEL_ICON_SIZES)
  list(APPEND QUORVEL_ICON_PNGS ${QUORVEL_GENERATED_DESKTOP_DIR}/icons/${size}x${size}/apps/${QUORVEL_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${QUORVEL_ICON_PNGS}
  COMMAND quorvel_render_icons ${QUORVEL_DESKTOP_DIR}/${QUORVEL_APP_ID}.svg
          ${QUORVEL_GENERATED_DESKTOP_DIR}/icons ${QUORVEL_APP_ID} ${QUORVEL_ICON_SIZES}
  DEPENDS quorvel_render_icons ${QUORVEL_DESKTOP_DIR}/${QUORVEL_APP_ID}.svg
  COMMENT "Rendering the application icon at each hicolor size"
  VERBATIM)
add_custom_target(quorvel_icons ALL DEPENDS ${QUORVEL_ICON_PNGS})

# The version and release date reach the metainfo and the man pages here.
configure_file(${QUORVEL_DESKTOP_DIR}/${QUORVEL_APP_ID}.metainfo.xml.in
               ${QUORVEL_GENERATED_DESKTOP_DIR}/${QUORVEL_APP_ID}.metainfo.xml @ONLY)
foreach(page quorvel quorvel-batch)
  configure_file(${QUORVEL_DESKTOP_DIR}/${page}.1.in ${QUORVEL_GENERATED_DESKTOP_DIR}/${page}.1 @ONLY)
endforeach()

install(TARGETS quorvel quorvel-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUORVEL_DESKTOP_DIR}/${QUORVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_GENERATED_DESKTOP_DIR}/${QUORVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUORVEL_DESKTOP_DIR}/${QUORVEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${QUORVEL_GENERATED_DESKTOP_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${QUORVEL_GENERATED_DESKTOP_DIR}/quorvel.1 ${QUORVEL_GENERATED_DESKTOP_DIR}/quorvel-batch.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvel/examples
        FILES_MATCHING PATTERN "*.txt")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/lessons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvel/lessons)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)
# Beside the README, so that its links to docs/ hold in the installed copy too.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel/docs
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")

# The Debian package: `cpack -G DEB` in the build folder. Library
# dependencies are read from the binaries (dpkg-shlibdeps); Qt's platform and
# image plugins are loaded at run time, so no binary names them.
set(QUORVEL_PACKAGE_MAINTAINER "The Quorvel developers" CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT ${QUORVEL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive molecular dynamics in a closed box")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel moves up to 1,600 atoms of four types in a closed box under Lennard-Jones and Coulomb forces, with walls, a floor heat bath and a piston, and draws them as shaded discs to turn, select, drag and edit. quorvel-batch runs simulations without a window.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins")
# The Python module's (python/CMakeLists.txt).
if(TARGET quorvel_python)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ${QUORVEL_PYTHON_RECOMMENDS})
endif()
include(CPack)

if(QUORVEL_TESTS)
  # Installs into a scratch prefix and checks every file and its validators;
  # the sanitizer build skips the package, which would add nothing there.
  set(QUORVEL_CHECK_PACKAGE ON)
  if(QUORVEL_SANITIZE)
    set(QUORVEL_CHECK_PACKAGE OFF)
  endif()
  add_test(NAME desktop_install_and_package
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/check_install.sh ${PROJECT_BINARY_DIR} ${PROJECT_VERSION}
                   ${QUORVEL_APP_ID} ${QUORVEL_CHECK_PACKAGE})
  set_tests_properties(desktop_install_and_package PROPERTIES TIMEOUT 300)
endif()
