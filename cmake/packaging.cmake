# `cmake --install`: both programs, the desktop entry, the icon, the type of
# scanword files and the manual page of verstak-batch. `cpack -G DEB` makes a
# Debian package of the same files, its library dependencies worked out by
# dpkg-shlibdeps.
include(GNUInstallDirs)

install(TARGETS verstak verstak-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/verstak.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/verstak.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/verstak.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# Debian keeps manual pages compressed; -n leaves out the time stamp so that
# the page is the same from build to build.
find_program(VERSTAK_GZIP gzip REQUIRED)
set(verstak_man_page ${CMAKE_CURRENT_BINARY_DIR}/verstak-batch.1.gz)
add_custom_command(OUTPUT ${verstak_man_page}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/cli/verstak-batch.1 ${CMAKE_CURRENT_BINARY_DIR}/verstak-batch.1
  COMMAND ${VERSTAK_GZIP} -9 -n -f ${CMAKE_CURRENT_BINARY_DIR}/verstak-batch.1
  DEPENDS ${PROJECT_SOURCE_DIR}/cli/verstak-batch.1
  VERBATIM)
add_custom_target(verstak_man_page ALL DEPENDS ${verstak_man_page})
install(FILES ${verstak_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME verstak)
set(CPACK_PACKAGE_VENDOR "VERSTAK")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "layout of scanwords: print-ready PDF and SVG, CorelDRAW SCRIPT macros")
set(CPACK_PACKAGE_DESCRIPTION
  "VERSTAK lays out scanwords, the Scandinavian crosswords whose clues stand\n\
inside the grid. It opens a puzzle from a grid file and a definitions file,\n\
lets the grid be marked up and the clue texts edited, saves the work as a\n\
scanword file and writes the finished puzzle as a print-ready PDF or SVG\n\
with typeset clues, or as a CorelDRAW SCRIPT macro that draws it.\n\
verstak-batch does the same from the command line. The interface is Russian.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "VERSTAK <verstak@localhost>" CACHE STRING "Maintainer field of the .deb")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The clues' default face and the Russian hyphenation patterns, which the print
# output cannot do without.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-paratype, hyphen-ru")
# What the windows use without linking to it: the Russian standard dialogs
# and the Cyrillic face the windows fall back on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
