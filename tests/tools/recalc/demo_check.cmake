# Runs gendb, then recalc on what it wrote, and compares recalc's water value and failed checks with the
# values gendb expects. Paths are relative to the working folder, so that they mean the same under Wine.
string(REPLACE "|" ";" emulator "${EMULATOR}")
file(REMOVE_RECURSE ${FOLDER})

execute_process(COMMAND ${emulator} ${GENDB} --db ${FOLDER}/host.db --files ${FOLDER}/files
                        --apart-level ${APART_LEVEL} --samples 5000
                RESULT_VARIABLE gendb_result OUTPUT_VARIABLE expected ERROR_VARIABLE gendb_errors)
if(NOT gendb_result EQUAL 0)
  message(FATAL_ERROR "gendb failed (${gendb_result}): ${gendb_errors}")
endif()

set(args --db ${FOLDER}/host.db)
string(JSON id_count LENGTH "${expected}" ids)
math(EXPR last "${id_count} - 1")
set(ids "")
foreach(i RANGE ${last})
  string(JSON id GET "${expected}" ids ${i})
  list(APPEND ids ${id})
endforeach()
list(JOIN ids "," ids)
list(APPEND args --ids ${ids})
foreach(mass m1 m2 m3 m4 portion sample)
  # The masses as gendb printed them ("%.17g"), not as CMake would reformat a number.
  string(REGEX MATCH "\"${mass}\": ([^,}]+)" ignored "${expected}")
  list(APPEND args --${mass} ${CMAKE_MATCH_1})
endforeach()

execute_process(COMMAND ${emulator} ${RECALC} ${args}
                RESULT_VARIABLE recalc_result OUTPUT_VARIABLE actual ERROR_VARIABLE recalc_errors)
if(NOT recalc_result EQUAL 0)
  message(FATAL_ERROR "recalc failed (${recalc_result}): ${recalc_errors}${actual}")
endif()

string(REGEX MATCH "\"water\": ([^,}]+)" ignored "${expected}")
set(expected_water "${CMAKE_MATCH_1}")
string(REGEX MATCH "^{\"water\": ([^,}]+)" ignored "${actual}")
if(NOT CMAKE_MATCH_1 STREQUAL expected_water)
  message(FATAL_ERROR "water ${CMAKE_MATCH_1}, expected ${expected_water}")
endif()
string(JSON expected_errors GET "${expected}" errors)
string(JSON actual_errors GET "${actual}" errors)
if(NOT actual_errors STREQUAL expected_errors)
  message(FATAL_ERROR "errors ${actual_errors}, expected ${expected_errors}")
endif()
message(STATUS "water ${expected_water}, errors ${actual_errors}")
