# Installs the build into PREFIX as `cmake --install` does for a user, and
# checks that the installed programs run and that everything a desktop and
# `man` look for is where they look.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

foreach(file IN ITEMS
    bin/verstak
    bin/verstak-batch
    share/applications/verstak.desktop
    share/icons/hicolor/scalable/apps/verstak.svg
    share/mime/packages/verstak.xml
    share/man/man1/verstak-batch.1.gz
    share/man/man1/verstak.1.gz
    share/doc/verstak/copyright
    share/doc/verstak/changelog.gz)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/verstak-batch" --help RESULT_VARIABLE failed OUTPUT_VARIABLE help)
if(failed OR NOT help MATCHES "verstak-batch export")
  message(FATAL_ERROR "the installed verstak-batch --help failed: ${failed}")
endif()

foreach(page_and_text IN ITEMS "verstak-batch|verstak-batch export" "verstak|FILE.skw")
  string(REPLACE "|" ";" page_and_text "${page_and_text}")
  list(GET page_and_text 0 name)
  list(GET page_and_text 1 text)
  execute_process(COMMAND man -M "${PREFIX}/share/man" ${name} RESULT_VARIABLE failed OUTPUT_VARIABLE page
    ERROR_VARIABLE complaints)
  if(failed OR NOT page MATCHES "${text}" OR NOT complaints STREQUAL "")
    message(FATAL_ERROR "man -M ${PREFIX}/share/man ${name}: ${failed} ${complaints}")
  endif()
endforeach()

# The change log in Debian's own format, its trailer naming a maintainer at a
# host that mail can reach.
execute_process(COMMAND gzip -dc "${PREFIX}/share/doc/verstak/changelog.gz" OUTPUT_VARIABLE changelog)
if(NOT changelog MATCHES "^verstak \\([0-9.]+\\) [a-z]+; urgency=[a-z]+\n" OR
   NOT changelog MATCHES "\n -- [^<\n]+ <[^@>]+@[^.>]+\\.[^>]+>  [A-Z][a-z][a-z], [0-9]+ [A-Z][a-z][a-z] [0-9]+ [0-9:]+ [+-][0-9]+\n$" OR
   changelog MATCHES "@localhost>")
  message(FATAL_ERROR "share/doc/verstak/changelog.gz is no Debian change log:\n${changelog}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
