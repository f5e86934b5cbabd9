include(GoogleTest)

# talvex_add_test(NAME SOURCES src... [LIBS lib...] [LABELS label...])
# One GoogleTest program. Natively each of its tests becomes a ctest test (discovered when ctest runs).
# For Windows the program is one ctest test: every start of a Windows program under Wine costs seconds
# (and far more where 32-bit code is emulated), so one start per program keeps the suite within minutes;
# GoogleTest's own output still names every case that failed.
function(talvex_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  # Tests that read the repository's own files (the style sheet, fixtures) find it through this variable.
  set(properties ENVIRONMENT "TALVEX_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  if(T_LABELS)
    list(APPEND properties LABELS "${T_LABELS}")
  endif()
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES ${properties})
  else()
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES ${properties})
  endif()
endfunction()

# talvex_hostsim_script(TEST ARGUMENTS SCRIPT EXPECTED [WORKDIR dir] [EXIT_CODE n] [REMOVE file]
#                       [REPORT_CONTAINS "text|text"] [STYLESHEET file] [CYRILLIC_ONLY_IN "text|text"])
# hostsim under Wine, with ARGUMENTS (comma-separated) and the steps of SCRIPT on its standard input, must print
# EXPECTED and exit with EXIT_CODE (0). It runs in WORKDIR (this binary folder unless given); REMOVE names a
# file there deleted first; REPORT_CONTAINS lists texts the report the script made (with the default style
# sheet) must hold; STYLESHEET puts another style sheet where the module looks for it; CYRILLIC_ONLY_IN lists
# the only texts of the output that may hold Cyrillic letters (the chromatograms' data, the method's clauses).
function(talvex_hostsim_script test arguments script expected)
  cmake_parse_arguments(S "" "WORKDIR;EXIT_CODE;REMOVE;REPORT_CONTAINS;STYLESHEET;CYRILLIC_ONLY_IN" "" ${ARGN})
  if(NOT S_WORKDIR)
    set(S_WORKDIR ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  # The expected files show the product's 48-byte plug-in record; the 64-bit build's is 80 bytes.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(extra -DPLUGIN_INFO_SIZE=80)
  else()
    set(extra -DPLUGIN_INFO_SIZE=48)
  endif()
  if(DEFINED S_EXIT_CODE)
    list(APPEND extra -DEXIT_CODE=${S_EXIT_CODE})
  endif()
  if(S_REMOVE)
    list(APPEND extra -DREMOVE=${S_REMOVE})
  endif()
  # A script whose report is read back gets the default style sheet where the module looks for it.
  if(S_REPORT_CONTAINS)
    list(APPEND extra "-DREPORT_CONTAINS=${S_REPORT_CONTAINS}" -DSTYLESHEET=${CMAKE_SOURCE_DIR}/stylesheet/Report.xsl)
  endif()
  if(S_STYLESHEET)
    list(APPEND extra -DSTYLESHEET=${S_STYLESHEET})
  endif()
  if(S_CYRILLIC_ONLY_IN)
    list(APPEND extra "-DCYRILLIC_ONLY_IN=${S_CYRILLIC_ONLY_IN}")
  endif()
  string(REPLACE ";" "," emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")
  add_test(NAME ${test}
    COMMAND ${CMAKE_COMMAND} -DEMULATOR=${emulator} -DHOSTSIM=$<TARGET_FILE:hostsim> -DWORKDIR=${S_WORKDIR}
            "-DARGUMENTS=${arguments}" -DSCRIPT=${script} -DEXPECTED=${expected} ${extra}
            -P ${CMAKE_SOURCE_DIR}/tests/hostsim/run_script.cmake)
endfunction()

# talvex_hostsim_database(PREFIX DATABASE): the module copied into this binary folder (target PREFIX_module)
# and the demo determination's database DATABASE.db (ids 1 to 14) that gendb writes there, set up by the
# test PREFIX_database for the tests that require the fixture PREFIX_db.
function(talvex_hostsim_database prefix database)
  add_custom_target(${prefix}_module ALL
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:talvex7> ${CMAKE_CURRENT_BINARY_DIR}/
    DEPENDS talvex7 hostsim gendb)
  add_test(NAME ${prefix}_database
    COMMAND gendb --db ${database}.db --files ${database}_files --expected ${database}.json
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${prefix}_database PROPERTIES FIXTURES_SETUP ${prefix}_db)
endfunction()
