# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Install rules and the Debian package.
#
#   cmake --install <build> --prefix P     a working game under P, in P/bin
#   cpack -G DEB   (in the build folder)   parolix_<version>_<arch>.deb, with
#                                          the program in /usr/games
#
# The program finds its data as ../share/parolix from its own folder, so
# bin/ and games/ both work, under any prefix. The names that carry the
# project's identity (PAROLIX_APP_ID ...) are set in the top-level
# CMakeLists.txt.
include(GNUInstallDirs)

# What the build makes for installing: the menu entry, the AppStream file and
# the package's copyright with the identity filled in; the manual page and the
# changelog compressed as Debian wants them (-n: no name or time inside, so
# the same sources give the same bytes).
set(dist ${CMAKE_BINARY_DIR}/dist)
configure_file(${CMAKE_SOURCE_DIR}/dist/parolix.desktop.in ${dist}/${PAROLIX_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/parolix.metainfo.xml.in ${dist}/${PAROLIX_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/copyright.in ${dist}/copyright @ONLY)
foreach(file NEWS.md dist/parolix.metainfo.xml.in)
  file(READ ${CMAKE_SOURCE_DIR}/${file} text)
  if(NOT text MATCHES "## ${PROJECT_VERSION} \\(" AND NOT text MATCHES "<release version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "${file} says nothing about version ${PROJECT_VERSION}")
  endif()
endforeach()
set(maintainer "Parolix <${PAROLIX_CONTACT}>")
add_custom_command(OUTPUT ${dist}/changelog.gz ${dist}/parolix.6.gz
  COMMAND ${CMAKE_COMMAND} -DNEWS=${CMAKE_SOURCE_DIR}/NEWS.md -DOUT=${dist}/changelog -DPACKAGE=parolix
          -DMAINTAINER=${maintainer} -P ${CMAKE_SOURCE_DIR}/cmake/DebianChangelog.cmake
  COMMAND gzip -9nf ${dist}/changelog
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/dist/parolix.6 ${dist}/parolix.6
  COMMAND gzip -9nf ${dist}/parolix.6
  DEPENDS ${CMAKE_SOURCE_DIR}/NEWS.md ${CMAKE_SOURCE_DIR}/cmake/DebianChangelog.cmake ${CMAKE_SOURCE_DIR}/dist/parolix.6
  COMMENT "Compressing the changelog and the manual page" VERBATIM)
add_custom_target(parolix_docs ALL DEPENDS ${dist}/changelog.gz ${dist}/parolix.6.gz)
add_dependencies(parolix parolix_docs)

# The program: in bin/ for an install, in games/ for the Debian package, as
# Debian's rules for games ask. The package takes the "debian" component,
# which a plain install leaves out, and not "program".
install(TARGETS parolix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS parolix RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
# Stripped as dh_strip does: no symbols, no compiler's notes.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/parolix\" COMMAND_ERROR_IS_FATAL ANY)"
  COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/dist/parolix.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME parolix COMPONENT debian EXCLUDE_FROM_ALL)

# The genre pictures, 00.wmf on: a genre more is a picture more in data/.
file(GLOB genre_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/[0-9][0-9].wmf)
install(FILES
    ${CMAKE_SOURCE_DIR}/data/lexorda.DAT
    ${genre_pictures}
    ${CMAKE_SOURCE_DIR}/data/LEXORDA.htm
  DESTINATION share/parolix)
install(FILES ${dist}/${PAROLIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/${PAROLIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/dist/icons/hicolor/${size}x${size}/apps/parolix.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${PAROLIX_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/dist/icons/hicolor/scalable/apps/parolix.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${PAROLIX_APP_ID}.svg)
install(FILES ${dist}/parolix.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${dist}/copyright ${dist}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/parolix)

set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Parolix;Unspecified;/;${CMAKE_BINARY_DIR};Parolix;debian;/")
set(CPACK_PACKAGE_NAME parolix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Parolix)
set(CPACK_PACKAGE_CONTACT "${maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "anagram game in Italian")
set(CPACK_PACKAGE_DESCRIPTION
  "Pick a genre and drag the shuffled letters into the boxes until every word
stands. Each right letter scores, every full board earns a time bonus and a
bigger board, and the first wrong letter ends the game. The ten best scores
are kept in a table. The game speaks Italian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PAROLIX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the faces the game substitutes for its fonts, the
# platform plugins without which no Qt window opens, and Qt's translations,
# which put Qt's own words ("Annulla") in Italian.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)

# The install test (tests/install) needs the rules above.
if(BUILD_TESTING AND NOT PAROLIX_FUZZ)
  add_subdirectory(tests/install)
endif()
