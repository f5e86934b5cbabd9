include(GoogleTest)

# talvex_add_test(NAME SOURCES src... [LIBS lib...] [LABELS label...])
# One GoogleTest program; its tests are discovered when ctest runs (under Wine for the Windows build), so
# that the build itself never starts the emulator.
function(talvex_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "TALVEX_SOURCE_DIR=${CMAKE_SOURCE_DIR};TALVEX_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()
