# Runs a tool with the arguments given ("|"-separated) and checks its exit code and, when EXPECTED is set,
# its standard output, exactly.
string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${emulator} ${TOOL} ${args} RESULT_VARIABLE result OUTPUT_VARIABLE output
                ERROR_VARIABLE errors)
if(NOT result EQUAL EXIT_CODE)
  message(FATAL_ERROR "exit code ${result}, expected ${EXIT_CODE}: ${output}${errors}")
endif()
if(DEFINED EXPECTED AND NOT output STREQUAL "${EXPECTED}\n")
  message(FATAL_ERROR "printed '${output}', expected '${EXPECTED}'")
endif()
if(EXIT_CODE EQUAL 2 AND NOT output STREQUAL "")
  message(FATAL_ERROR "a usage error printed '${output}'")
endif()
