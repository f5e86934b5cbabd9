# Runs chromdump (through the emulator on a cross build) and compares what it prints with the expected text
# byte for byte, exit code included. EMULATOR is a "|"-separated command prefix, possibly empty.
string(REPLACE "|" ";" emulator "${EMULATOR}")
separate_arguments(arguments NATIVE_COMMAND "${ARGS}")
execute_process(COMMAND ${emulator} ${CHROMDUMP} ${arguments}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE code)
if(NOT code STREQUAL "${EXIT_CODE}")
  message(FATAL_ERROR "chromdump ${ARGS} exited with ${code}, expected ${EXIT_CODE}: ${errors}")
endif()
if(DEFINED EXPECTED)
  file(READ "${EXPECTED}" expected)
  if(NOT output STREQUAL expected)
    file(WRITE "${OUTPUT_COPY}" "${output}")
    message(FATAL_ERROR "chromdump ${ARGS} printed other text than ${EXPECTED}: see ${OUTPUT_COPY}")
  endif()
elseif(NOT output STREQUAL "")
  message(FATAL_ERROR "chromdump ${ARGS} printed an object on a usage error: ${output}")
endif()
