# cmake -DCHECK=<check_layers.cmake> -DWIDGET_HEADERS=<file> -DWORK_DIR=<dir>
#       -P refuses_wrong_includes.cmake
# Runs the layer check over small source trees of its own: each wrong include
# must fail it with the file, the line and the header named, and a tree that
# keeps the layers must pass.
cmake_minimum_required(VERSION 3.25)

# source file | include on its third line | what the check must say ("" : passes)
set(cases
    "core/format/chunks.cpp|core/document/rumoszen.h|src/core/format/chunks.cpp:3 includes core/document/rumoszen.h: core/format may not use core/document"
    "core/common/bytes.h|core/format/chunkfile.h|src/core/common/bytes.h:3 includes core/format/chunkfile.h: core/common may not use core/format"
    "core/islands/insel.cpp|core/document/rumoszen.h|src/core/islands/insel.cpp:3 includes core/document/rumoszen.h: core/islands may not use core/document"
    "core/check/scenariocheck.cpp|core/map/worldrenderer.h|src/core/check/scenariocheck.cpp:3 includes core/map/worldrenderer.h: core/check may not use core/map"
    "core/campaign/codec.cpp|core/islands/insel.h|src/core/campaign/codec.cpp:3 includes core/islands/insel.h: core/campaign may not use core/islands"
    "core/game/gamepath.cpp|core/players/playerrecord.h|src/core/game/gamepath.cpp:3 includes core/players/playerrecord.h: core/game may not use core/players"
    "core/goods/shiprecord.h|core/islands/cityrecord.h|src/core/goods/shiprecord.h:3 includes core/islands/cityrecord.h: core/goods may not use core/islands"
    "core/document/rumoszen.cpp|editor/app/tmainform.h|src/core/document/rumoszen.cpp:3 includes editor/app/tmainform.h, which belongs to the editor"
    "cli/main.cpp|QtWidgets/QWidget|src/cli/main.cpp:3 includes QtWidgets/QWidget, which belongs to the editor"
    "core/newfolder/thing.cpp|core/common/bytes.h|src/core/newfolder/thing.cpp: the core folder newfolder has no place among the layers"
    "core/map/worldrenderer.cpp|core/document/rumoszen.h|"
    "core/document/rumoszen.cpp|core/format/chunknames.h|"
    "cli/main.cpp|core/check/scenariocheck.h|")

set(faults 0)
set(index 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 file)
  list(GET fields 1 header)
  list(LENGTH fields length)
  set(expected "")
  if(length GREATER 2)
    list(GET fields 2 expected)
  endif()

  set(tree ${WORK_DIR}/case${index})
  file(REMOVE_RECURSE ${tree})
  # Beside the file under test, a file that keeps the layers, so that the
  # check has more than one source to walk.
  file(WRITE ${tree}/src/core/common/fine.h "#pragma once\n\n#include <QString>\n")
  file(WRITE ${tree}/src/${file} "#pragma once\n\n#include \"${header}\"\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree}/src
                          -DWIDGET_HEADERS=${WIDGET_HEADERS} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  # CMake wraps long messages; the words count, not where the lines break.
  string(REGEX REPLACE "[ \t\r\n]+" " " flat "${out}")
  if(expected STREQUAL "")
    if(NOT result EQUAL 0)
      message(SEND_ERROR "${file} including ${header} keeps the layers, but the check "
                         "failed:\n${out}")
      math(EXPR faults "${faults} + 1")
    endif()
  else()
    string(FIND "${flat}" "${expected}" found)
    if(result EQUAL 0 OR found EQUAL -1)
      message(SEND_ERROR "${file} including ${header} must fail with \"${expected}\"; "
                         "the check gave ${result}:\n${out}")
      math(EXPR faults "${faults} + 1")
    endif()
  endif()
  file(REMOVE_RECURSE ${tree})
  math(EXPR index "${index} + 1")
endforeach()
list(LENGTH cases count)
if(faults EQUAL 0)
  message(STATUS "the layer check judged all ${count} trees rightly")
endif()
