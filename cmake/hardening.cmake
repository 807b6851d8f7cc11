# Debian's hardening flags for the Release build, which the package is made
# from: _FORTIFY_SOURCE, the stack protector, format checks, RELRO and
# BIND_NOW, as dpkg-buildflags gives them to every Debian package. The
# optimisation and debug information stay the build type's own. Not with the
# sanitizers, which replace the checked functions themselves.
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT VERSTAK_SANITIZE)
  find_program(VERSTAK_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${VERSTAK_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?)$")
    list(JOIN flags " " verstak_${kind})
  endforeach()
  string(APPEND CMAKE_CXX_FLAGS_RELEASE " ${verstak_CPPFLAGS} ${verstak_CXXFLAGS}")
  string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " ${verstak_LDFLAGS}")
  string(APPEND CMAKE_SHARED_LINKER_FLAGS_RELEASE " ${verstak_LDFLAGS}")
endif()
