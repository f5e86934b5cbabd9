cmake_minimum_required(VERSION 3.25)
# Runs hostsim with a script on standard input and compares what it prints with an expected file:
#   cmake -DEMULATOR=a,b -DHOSTSIM=exe -DWORKDIR=dir -DARGUMENTS=--plugin,x,... -DSCRIPT=file -DEXPECTED=file
#         [-DEXIT_CODE=n] [-DREMOVE=file] [-DPLUGIN_INFO_SIZE=n] [-DREPORT_CONTAINS=a|b] [-DSTYLESHEET=xsl]
#         [-DCYRILLIC_ONLY_IN=a|b] -P run_script.cmake
# REMOVE names a file deleted first (a profile store that must start missing). The expected files show the
# 32-bit product's record size (info size=48); PLUGIN_INFO_SIZE puts the size of the build at hand in its place.
string(REPLACE "," ";" emulator "${EMULATOR}")
string(REPLACE "," ";" arguments "${ARGUMENTS}")
if(NOT DEFINED EXIT_CODE)
  set(EXIT_CODE 0)
endif()
if(REMOVE)
  file(REMOVE ${WORKDIR}/${REMOVE})
endif()
# The Wine prefix the programs run in, as the emulator names it: a report is read back from there, and the
# default style sheet is put where the module looks for it.
set(prefix "")
foreach(part IN LISTS emulator)
  if(part MATCHES "^WINEPREFIX=(.*)")
    set(prefix "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(STYLESHEET)
  set(public ${prefix}/drive_c/users/Public/Documents/Veltrox4/talvex7)
  file(MAKE_DIRECTORY ${public})
  file(COPY_FILE ${STYLESHEET} ${public}/Report.xsl)
endif()
execute_process(COMMAND ${emulator} ${HOSTSIM} ${arguments} --script -
  WORKING_DIRECTORY ${WORKDIR} INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE output ERROR_VARIABLE errors
  RESULT_VARIABLE result TIMEOUT 240)
file(READ ${EXPECTED} expected)
# Paths under the working folder, as Wine shows them (drive Z: is the root), stand as %WORKDIR% in the
# expected files, so that they hold wherever the build tree lies.
string(REPLACE "/" "\\" workdir_windows "Z:${WORKDIR}")
string(REPLACE "%WORKDIR%" "${workdir_windows}" expected "${expected}")
# Window geometry depends on the dialog font, DPI and Wine build (the 32-bit product and its 64-bit twin lay
# the same template out in different sizes), so expected files never hold it: %RECT_L%, %RECT_T%, %RECT_R% and
# %RECT_B% stand for the last `rect` the run printed, and a value the module stored from the window is
# compared with the rectangle the window really had.
string(REGEX MATCHALL "(^|\n)rect -?[0-9]+ -?[0-9]+ -?[0-9]+ -?[0-9]+" rects "${output}")
if(rects)
  list(GET rects -1 rect)
  string(REGEX MATCH "rect (-?[0-9]+) (-?[0-9]+) (-?[0-9]+) (-?[0-9]+)" rect "${rect}")
  string(REPLACE "%RECT_L%" "${CMAKE_MATCH_1}" expected "${expected}")
  string(REPLACE "%RECT_T%" "${CMAKE_MATCH_2}" expected "${expected}")
  string(REPLACE "%RECT_R%" "${CMAKE_MATCH_3}" expected "${expected}")
  string(REPLACE "%RECT_B%" "${CMAKE_MATCH_4}" expected "${expected}")
endif()
# %REPORT% stands for the report file the run made (its path changes from run to run); REPORT_CONTAINS
# lists, separated by "|", texts the report must hold.
if(output MATCHES "(^|\n)report ([^\n]+)")
  set(report "${CMAKE_MATCH_2}")
  string(REPLACE "%REPORT%" "${report}" expected "${expected}")
  string(REGEX REPLACE "^[A-Za-z]:" "${prefix}/drive_c" report_file "${report}")
  string(REPLACE "\\" "/" report_file "${report_file}")
  if(REPORT_CONTAINS AND EXISTS "${report_file}")
    file(READ "${report_file}" report_text)
    string(REPLACE "|" ";" wanted "${REPORT_CONTAINS}")
    foreach(text IN LISTS wanted)
      string(FIND "${report_text}" "${text}" at)
      if(at EQUAL -1)
        message(FATAL_ERROR "the report ${report_file} does not hold \"${text}\":\n${report_text}")
      endif()
    endforeach()
  elseif(REPORT_CONTAINS)
    message(FATAL_ERROR "no report to read at ${report_file}")
  endif()
endif()
if(PLUGIN_INFO_SIZE)
  string(REPLACE "info size=48 " "info size=${PLUGIN_INFO_SIZE} " expected "${expected}")
endif()
if(NOT output STREQUAL expected OR NOT result STREQUAL EXIT_CODE)
  message(FATAL_ERROR "hostsim exited ${result} (expected ${EXIT_CODE}) and printed:\n${output}\n"
                      "expected:\n${expected}\nstandard error:\n${errors}")
endif()
# A run in another language than the module's own: with the texts listed in CYRILLIC_ONLY_IN (separated by "|")
# taken out, no Cyrillic letter (U+0400 to U+04FF, UTF-8 bytes D0 to D3 and one more) is left in the output.
if(CYRILLIC_ONLY_IN)
  set(rest "${output}")
  string(REPLACE "|" ";" allowed "${CYRILLIC_ONLY_IN}")
  foreach(text IN LISTS allowed)
    string(REPLACE "${text}" "" rest "${rest}")
  endforeach()
  string(HEX "${rest}" hex)
  # Whole bytes only: pairs of hex digits from the start.
  if(hex MATCHES "^(..)*d[0-3][89ab].")
    message(FATAL_ERROR "Cyrillic text outside ${CYRILLIC_ONLY_IN}:\n${rest}")
  endif()
endif()
