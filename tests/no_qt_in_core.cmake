# Fails when a source file of the core includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/records/* ${ROOT}/dataset/* ${ROOT}/platform/* ${ROOT}/shell/*
     ${ROOT}/check/core/* ${ROOT}/editors/*/rules/*)
set(bad "")
foreach(f IN LISTS files)
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(lines)
    list(APPEND bad "${f}")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "Qt headers included by the core: ${bad}")
endif()
