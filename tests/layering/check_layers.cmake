# cmake -DSOURCE_DIR=<src> -DWIDGET_HEADERS=<file> -P check_layers.cmake
# Fails, naming the file, the line and the header, when
# - a core or command-line source includes an editor header or a QtWidgets
#   header, or
# - a core source includes a header of a core folder that its own folder may
#   not use: the folders form layers, and includes point down only.
cmake_minimum_required(VERSION 3.25)

# The core folders each folder may use besides itself. A folder missing here
# is refused until it is given its place.
set(uses_common "")
set(uses_format common)
set(uses_game common)
set(uses_players format common)
set(uses_goods format common)
set(uses_islands players goods game format common)
set(uses_campaign game format common)
set(uses_document islands players goods game format common)
# The field tables name the records' fields for the diff and the dump; the
# settings record lives in the document.
set(uses_fields document islands players goods game format common)
set(uses_check fields document islands players goods game format common)
set(uses_map document islands players goods game format common)

file(STRINGS ${WIDGET_HEADERS} widget_headers)
file(GLOB_RECURSE sources ${SOURCE_DIR}/core/*.h ${SOURCE_DIR}/core/*.cpp
     ${SOURCE_DIR}/cli/*.h ${SOURCE_DIR}/cli/*.cpp)
if(NOT sources)
  message(FATAL_ERROR "no core sources below ${SOURCE_DIR}")
endif()

set(faults 0)
foreach(source IN LISTS sources)
  file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
  # The folder below src/core, or nothing for the command-line tool.
  set(folder "")
  if(where MATCHES "^core/([^/]+)/")
    set(folder ${CMAKE_MATCH_1})
    if(NOT DEFINED uses_${folder})
      message(SEND_ERROR "src/${where}: the core folder ${folder} has no place among the layers")
      math(EXPR faults "${faults} + 1")
      continue()
    endif()
  elseif(where MATCHES "^core/")
    message(SEND_ERROR "src/${where}: a core source belongs in one of the core's folders")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()

  file(READ ${source} content)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
  set(searched 0)
  foreach(line IN LISTS includes)
    # The line's number: the newlines before its first place after the
    # previous include.
    string(SUBSTRING "${content}" ${searched} -1 rest)
    string(FIND "${rest}" "${line}" at)
    math(EXPR at "${searched} + ${at}")
    string(SUBSTRING "${content}" 0 ${at} before)
    string(REGEX MATCHALL "\n" breaks "${before}")
    list(LENGTH breaks number)
    math(EXPR number "${number} + 1")
    string(LENGTH "${line}" length)
    math(EXPR searched "${at} + ${length}")

    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
    string(REGEX REPLACE "^QtWidgets/" "" bare "${header}")
    if(header MATCHES "^editor/" OR header MATCHES "^QtWidgets" OR bare IN_LIST widget_headers)
      message(SEND_ERROR "src/${where}:${number} includes ${header}, which belongs to the editor")
      math(EXPR faults "${faults} + 1")
    elseif(folder AND header MATCHES "^core/([^/]+)/")
      set(used ${CMAKE_MATCH_1})
      if(NOT used STREQUAL folder AND NOT used IN_LIST uses_${folder})
        message(SEND_ERROR "src/${where}:${number} includes ${header}: core/${folder} may not "
                           "use core/${used}")
        math(EXPR faults "${faults} + 1")
      endif()
    endif()
  endforeach()
endforeach()
list(LENGTH sources count)
if(faults EQUAL 0)
  message(STATUS "${count} core and command-line sources keep the layers")
endif()
