# Checks that includes point downward only, and that the core never includes Qt.
# Usage: cmake -DROOT=<folder holding src/ and tools/> -P include_direction.cmake
#
# The layers, from the bottom (a file may include its own layer and any lower):
#   0 platform/, base/      the small platform layers and application-wide values
#   1 records/
#   2 dataset/
#   3 shell/, check/core/, editors/<area>/rules/   the core rules
#   4 ui/                   what every dialog shares
#   5 check/, editors/<area>/   the dialogs
#   6 app/                  start-up, main frame, view, help, About
# platform/ itself stays below base/. The command-line tool and the demo
# library (tools/v3tool, tools/demo) stand on the core rules. Layers 0..3 and
# the tools include no Qt header.
cmake_minimum_required(VERSION 3.25)

# Layer of a path relative to src/ (or "tools/..."); -1 when it is none of them.
function(layer_of rel out)
  set(l -1)
  if(rel MATCHES "^platform/")
    set(l 0)
  elseif(rel MATCHES "^base/")
    set(l 0)
  elseif(rel MATCHES "^records/")
    set(l 1)
  elseif(rel MATCHES "^dataset/")
    set(l 2)
  elseif(rel MATCHES "^(shell/|check/core/|editors/[^/]+/rules/)")
    set(l 3)
  elseif(rel MATCHES "^ui/")
    set(l 4)
  elseif(rel MATCHES "^(check/|editors/)")
    set(l 5)
  elseif(rel MATCHES "^app/")
    set(l 6)
  endif()
  set(${out} ${l} PARENT_SCOPE)
endfunction()

set(bad "")
file(GLOB_RECURSE files RELATIVE ${ROOT}/src ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/src/*.inc)
file(GLOB_RECURSE toolfiles RELATIVE ${ROOT} ${ROOT}/tools/v3tool/* ${ROOT}/tools/demo/*)
foreach(rel IN LISTS files toolfiles)
  if(rel MATCHES "^tools/")
    set(path ${ROOT}/${rel})
    set(from 3)  # the tools stand on the core rules, no Qt
  else()
    set(path ${ROOT}/src/${rel})
    layer_of(${rel} from)
  endif()
  if(from EQUAL -1)
    continue()
  endif()
  file(STRINGS ${path} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" inc "${line}")
    if(from LESS_EQUAL 3 AND inc MATCHES "^Q")
      list(APPEND bad "${rel}: ${inc} (Qt in the core)")
      continue()
    endif()
    layer_of(${inc} to)
    if(to EQUAL -1)
      continue()
    endif()
    if(to GREATER from)
      list(APPEND bad "${rel}: ${inc} (upward)")
    elseif(rel MATCHES "^platform/" AND inc MATCHES "^base/")
      list(APPEND bad "${rel}: ${inc} (platform/ stays below base/)")
    endif()
  endforeach()
endforeach()

if(bad)
  list(JOIN bad "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
