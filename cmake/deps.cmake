# SQLite (amalgamation, default options) and pugixml (wide characters), both from Debian's source packages
# that scripts/bootstrap unpacks into .deps/. Neither is linked from the system: Debian's libsqlite3 is built
# with URI file names on, and its pugixml is narrow-character.
set(sqlite_dir ${TALVEX_DEPS}/sqlite)
set(pugixml_dir ${TALVEX_DEPS}/pugixml)
if(NOT EXISTS ${sqlite_dir}/sqlite3.c OR NOT EXISTS ${pugixml_dir}/src/pugixml.cpp)
  message(FATAL_ERROR "SQLite or pugixml sources missing under ${TALVEX_DEPS}: run scripts/bootstrap")
endif()

add_library(sqlite3_amalgamation STATIC ${sqlite_dir}/sqlite3.c)
target_include_directories(sqlite3_amalgamation SYSTEM PUBLIC ${sqlite_dir})
target_compile_options(sqlite3_amalgamation PRIVATE -w)
if(NOT WIN32)
  find_package(Threads REQUIRED)
  target_link_libraries(sqlite3_amalgamation PUBLIC Threads::Threads ${CMAKE_DL_LIBS} m)
endif()

add_library(pugixml_wide STATIC ${pugixml_dir}/src/pugixml.cpp)
target_include_directories(pugixml_wide SYSTEM PUBLIC ${pugixml_dir}/src)
target_compile_definitions(pugixml_wide PUBLIC PUGIXML_WCHAR_MODE)

# GoogleTest from Debian's sources, so that the same version builds for both targets.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Google Benchmark comes from Debian's native package; the Windows benchmarks time themselves.
if(TALVEX_BENCHMARKS AND NOT WIN32)
  find_package(benchmark REQUIRED)
endif()
