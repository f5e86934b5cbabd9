cmake_minimum_required(VERSION 3.25)
# Runs hostsim with a script on standard input and compares what it prints with an expected file:
#   cmake -DEMULATOR=a,b -DHOSTSIM=exe -DWORKDIR=dir -DARGUMENTS=--plugin,x,... -DSCRIPT=file -DEXPECTED=file
#         [-DEXIT_CODE=n] [-DREMOVE=file] -P run_script.cmake
# REMOVE names a file deleted first (a profile store that must start missing).
string(REPLACE "," ";" emulator "${EMULATOR}")
string(REPLACE "," ";" arguments "${ARGUMENTS}")
if(NOT DEFINED EXIT_CODE)
  set(EXIT_CODE 0)
endif()
if(REMOVE)
  file(REMOVE ${WORKDIR}/${REMOVE})
endif()
execute_process(COMMAND ${emulator} ${HOSTSIM} ${arguments} --script -
  WORKING_DIRECTORY ${WORKDIR} INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE output ERROR_VARIABLE errors
  RESULT_VARIABLE result TIMEOUT 240)
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected OR NOT result STREQUAL EXIT_CODE)
  message(FATAL_ERROR "hostsim exited ${result} (expected ${EXIT_CODE}) and printed:\n${output}\n"
                      "expected:\n${expected}\nstandard error:\n${errors}")
endif()
