# `cmake --install`: both programs, the desktop entry, the icon, the type of
# scanword files, the manual pages, and the copyright and change log that a
# Debian package carries. `cpack -G DEB` makes a Debian package of the same
# files, its library dependencies worked out by dpkg-shlibdeps.
include(GNUInstallDirs)

install(TARGETS verstak verstak-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/verstak.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/verstak.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/verstak.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The package's maintainer is whoever builds it, named as Debian's own tools
# name them (DEBFULLNAME, DEBEMAIL), else by the checkout's git identity.
set(verstak_maintainer "")
if(DEFINED ENV{DEBEMAIL})
  set(verstak_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  execute_process(COMMAND git config user.name WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE verstak_git_name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND git config user.email WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE verstak_git_mail OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(verstak_git_name AND verstak_git_mail)
    set(verstak_maintainer "${verstak_git_name} <${verstak_git_mail}>")
  endif()
endif()
if(NOT verstak_maintainer)
  set(verstak_maintainer "VERSTAK <verstak@localhost>")
  message(STATUS "Package maintainer unknown (no DEBEMAIL, no git identity): ${verstak_maintainer}")
endif()
set(VERSTAK_PACKAGE_MAINTAINER "${verstak_maintainer}" CACHE STRING "Maintainer field of the .deb and its change log")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VERSTAK_PACKAGE_MAINTAINER}")
set(VERSTAK_MAINTAINER "${VERSTAK_PACKAGE_MAINTAINER}")

# Debian keeps manual pages and change logs compressed; -n leaves out the
# time stamp so that the file is the same from build to build.
find_program(VERSTAK_GZIP gzip REQUIRED)
function(verstak_gzipped source name)
  set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/packaged/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CMAKE_CURRENT_BINARY_DIR}/packaged/${name}
    COMMAND ${VERSTAK_GZIP} -9 -n -f ${CMAKE_CURRENT_BINARY_DIR}/packaged/${name}
    DEPENDS ${source}
    VERBATIM)
  set(verstak_gzipped ${gzipped} PARENT_SCOPE)
endfunction()
verstak_gzipped(${PROJECT_SOURCE_DIR}/cli/verstak-batch.1 verstak-batch.1)
set(verstak_man_pages ${verstak_gzipped})
verstak_gzipped(${PROJECT_SOURCE_DIR}/data/verstak.1 verstak.1)
list(APPEND verstak_man_pages ${verstak_gzipped})
configure_file(data/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
verstak_gzipped(${CMAKE_CURRENT_BINARY_DIR}/changelog changelog)
set(verstak_changelog ${verstak_gzipped})
add_custom_target(verstak_man_page ALL DEPENDS ${verstak_man_pages} ${verstak_changelog})
install(FILES ${verstak_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${verstak_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

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
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The clues' default face and the Russian hyphenation patterns, which the print
# output cannot do without.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-paratype, hyphen-ru")
# What the windows use without linking to it: the Russian standard dialogs
# and the Cyrillic face the windows fall back on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
