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
