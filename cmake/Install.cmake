# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Install rules and the Debian package.
#
#   cmake --install <build> --prefix P     a working game under P
#   cpack -G DEB   (in the build folder)   parolix_<version>_<arch>.deb
#
# The program finds its data as ../share/parolix from its own folder, so the
# executable and the data keep these two fixed places under any prefix.
include(GNUInstallDirs)

set(PAROLIX_APP_ID org.example.parolix)

install(TARGETS parolix RUNTIME DESTINATION bin)
install(FILES
    ${CMAKE_SOURCE_DIR}/data/lexorda.DAT
    ${CMAKE_SOURCE_DIR}/data/00.wmf ${CMAKE_SOURCE_DIR}/data/01.wmf
    ${CMAKE_SOURCE_DIR}/data/02.wmf ${CMAKE_SOURCE_DIR}/data/03.wmf
    ${CMAKE_SOURCE_DIR}/data/04.wmf ${CMAKE_SOURCE_DIR}/data/05.wmf
    ${CMAKE_SOURCE_DIR}/data/06.wmf ${CMAKE_SOURCE_DIR}/data/07.wmf
    ${CMAKE_SOURCE_DIR}/data/LEXORDA.htm
  DESTINATION share/parolix)

install(FILES ${CMAKE_SOURCE_DIR}/dist/${PAROLIX_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${PAROLIX_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/dist/icons/hicolor
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/dist/parolix.6
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parolix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Parolix)
set(CPACK_PACKAGE_CONTACT "Parolix <autore@parolix.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "anagram game in Italian")
set(CPACK_PACKAGE_DESCRIPTION
  "Pick a genre and drag the shuffled letters into the boxes until every word
stands. Each right letter scores, every full board earns a time bonus and a
bigger board, and the first wrong letter ends the game. The ten best scores
are kept in a table. The game speaks Italian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Parolix <autore@parolix.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://parolix.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the faces the game substitutes for its fonts, and the
# platform plugins without which no Qt window opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)

# The install test (tests/install) needs the rules above.
if(BUILD_TESTING AND NOT PAROLIX_FUZZ)
  add_subdirectory(tests/install)
endif()
