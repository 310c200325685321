# Writes the demo installation the tests share: removed first, since v3tool
# demo refuses a folder that is not empty.
file(REMOVE_RECURSE ${DIR})
execute_process(COMMAND ${TOOL} demo ${DIR} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "v3tool demo ${DIR} failed: ${rc}")
endif()
