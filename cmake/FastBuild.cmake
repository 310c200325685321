# Build speed: unity builds (several sources compiled as one translation unit)
# and precompiled headers. Both only change how the sources are compiled, not
# what they mean; V3_FAST_BUILD=OFF compiles file by file, as a check that every
# source still includes what it uses.
option(V3_FAST_BUILD "Unity builds and precompiled headers" ON)
set(V3_UNITY_BATCH_SIZE 16 CACHE STRING "Sources per unity translation unit")
# Which files share a batch shifts as files come and go; one batch per target
# brings every name clash between files of a target out at once.
option(V3_UNITY_CHECK "One unity batch per target, to find name clashes between files" OFF)

# v3_fast_build(TARGET [UNITY OFF] [BATCH n] [PCH header...])
# Compiles TARGET's sources in unity batches (unless UNITY OFF) and precompiles
# the given headers (system and library headers only: a project header there
# would rebuild every file of the target when it changes).
function(v3_fast_build target)
  cmake_parse_arguments(ARG "" "UNITY;BATCH" "PCH" ${ARGN})
  if(NOT V3_FAST_BUILD)
    return()
  endif()
  if(V3_UNITY_CHECK)
    set(ARG_BATCH 0)
  elseif(NOT ARG_BATCH)
    set(ARG_BATCH ${V3_UNITY_BATCH_SIZE})
  endif()
  if(NOT DEFINED ARG_UNITY OR ARG_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${ARG_BATCH})
  endif()
  if(ARG_PCH)
    target_precompile_headers(${target} PRIVATE ${ARG_PCH})
  endif()
endfunction()
