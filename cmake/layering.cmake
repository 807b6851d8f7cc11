# The layers, checked at configure time: the core folders include nothing of
# the windows, nor of the document session above them.
set(verstak_core_folders document settings files script print cli)
set(verstak_gui_folders session editor dialogs widgets recovery preview)
set(verstak_core_windows files/novi files/otkritie script/makros)

foreach(folder IN LISTS verstak_core_folders)
  file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.h" "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    string(REGEX REPLACE "\\.(h|cpp)$" "" stem "${source}")
    file(RELATIVE_PATH stem "${PROJECT_SOURCE_DIR}" "${stem}")
    if(stem IN_LIST verstak_core_windows)
      continue()
    endif()
    file(STRINGS "${source}" includes REGEX "^#include [<\"]")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include [<\"](Q|qt)")
        message(FATAL_ERROR "${source}: the core includes Qt: ${line}")
      endif()
      foreach(gui IN LISTS verstak_gui_folders verstak_core_windows)
        if(line MATCHES "^#include \"${gui}[/.]")
          message(FATAL_ERROR "${source}: the core includes a window folder: ${line}")
        endif()
      endforeach()
      if(line MATCHES "^#include \"(program_windows|program_recovery)\\.h\"")
        message(FATAL_ERROR "${source}: the core includes the program level: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The print output walks the macro's layout tables and writes the macro
# through the table of outputs: the macro writer knows nothing of it.
file(GLOB verstak_script_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/script/*.h" "${PROJECT_SOURCE_DIR}/script/*.cpp")
foreach(source IN LISTS verstak_script_sources)
  file(STRINGS "${source}" includes REGEX "^#include \"print/")
  if(includes)
    message(FATAL_ERROR "${source}: the macro writer includes the print output: ${includes}")
  endif()
endforeach()

# Only the program level includes the main window; its own parts
# (osnova*.cpp, view sizing, commands) are the window itself.
set(verstak_main_window_parts editor/osnova.cpp editor/view_sizing.cpp editor/main_commands.cpp
  editor/preview_commands.cpp
  editor/markup_commands.cpp)
file(GLOB_RECURSE verstak_window_sources CONFIGURE_DEPENDS
  "${PROJECT_SOURCE_DIR}/editor/*.h" "${PROJECT_SOURCE_DIR}/editor/*.cpp"
  "${PROJECT_SOURCE_DIR}/dialogs/*.h" "${PROJECT_SOURCE_DIR}/dialogs/*.cpp"
  "${PROJECT_SOURCE_DIR}/preview/*.h" "${PROJECT_SOURCE_DIR}/preview/*.cpp"
  "${PROJECT_SOURCE_DIR}/widgets/*.h" "${PROJECT_SOURCE_DIR}/widgets/*.cpp"
  "${PROJECT_SOURCE_DIR}/recovery/*.h" "${PROJECT_SOURCE_DIR}/recovery/*.cpp"
  "${PROJECT_SOURCE_DIR}/files/*.h" "${PROJECT_SOURCE_DIR}/files/*.cpp"
  "${PROJECT_SOURCE_DIR}/script/*.h" "${PROJECT_SOURCE_DIR}/script/*.cpp"
  "${PROJECT_SOURCE_DIR}/print/*.h" "${PROJECT_SOURCE_DIR}/print/*.cpp")
foreach(source IN LISTS verstak_window_sources)
  file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${source}")
  if(relative IN_LIST verstak_main_window_parts)
    continue()
  endif()
  file(STRINGS "${source}" includes REGEX "^#include \"editor/osnova\\.h\"")
  if(includes)
    message(FATAL_ERROR "${source}: only the program level includes the main window")
  endif()
endforeach()

# The document session lies under every window: Qt without its widgets, and
# nothing of the windows' folders or the program level. A Qt header is a
# widget when Qt's Widgets module has a header of that name.
get_target_property(verstak_qt_widgets_includes Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
set(verstak_qt_widgets_headers "")
foreach(dir IN LISTS verstak_qt_widgets_includes)
  if(dir MATCHES "/QtWidgets$")
    set(verstak_qt_widgets_headers "${dir}")
  endif()
endforeach()
if(NOT verstak_qt_widgets_headers)
  message(FATAL_ERROR "The Qt Widgets headers were not found for the session's layer check")
endif()
file(GLOB verstak_session_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/session/*.h"
  "${PROJECT_SOURCE_DIR}/session/*.cpp")
foreach(source IN LISTS verstak_session_sources)
  file(STRINGS "${source}" includes REGEX "^#include [<\"]")
  foreach(line IN LISTS includes)
    if(line MATCHES "^#include <(Qt[A-Za-z]+/)?(Q[A-Za-z]*)>")
      if(CMAKE_MATCH_1 STREQUAL "QtWidgets/" OR EXISTS "${verstak_qt_widgets_headers}/${CMAKE_MATCH_2}")
        message(FATAL_ERROR "${source}: the document session includes a widget: ${line}")
      endif()
    endif()
    foreach(gui IN LISTS verstak_gui_folders verstak_core_windows)
      if(NOT gui STREQUAL "session" AND line MATCHES "^#include \"${gui}[/.]")
        message(FATAL_ERROR "${source}: the document session includes a window folder: ${line}")
      endif()
    endforeach()
    if(line MATCHES "^#include \"(program_windows|program_recovery)\\.h\"")
      message(FATAL_ERROR "${source}: the document session includes the program level: ${line}")
    endif()
  endforeach()
endforeach()
