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
    share/man/man1/verstak-batch.1.gz)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/verstak-batch" --help RESULT_VARIABLE failed OUTPUT_VARIABLE help)
if(failed OR NOT help MATCHES "verstak-batch export")
  message(FATAL_ERROR "the installed verstak-batch --help failed: ${failed}")
endif()

execute_process(COMMAND man -M "${PREFIX}/share/man" verstak-batch RESULT_VARIABLE failed OUTPUT_VARIABLE page
  ERROR_VARIABLE complaints)
if(failed OR NOT page MATCHES "verstak-batch export" OR NOT complaints STREQUAL "")
  message(FATAL_ERROR "man -M ${PREFIX}/share/man verstak-batch: ${failed} ${complaints}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
