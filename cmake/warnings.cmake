# The project's warnings, in one interface target that every target of ours links (talvex_apply_warnings, at
# the end of the top-level file, so that no target is forgotten). SQLite, pugixml and GoogleTest are not ours
# and keep their own. TALVEX_WARNINGS_AS_ERRORS (CI's scripts/test sets it) makes every warning an error.
option(TALVEX_WARNINGS_AS_ERRORS "Treat the project's warnings as errors" OFF)
add_library(talvex_warnings INTERFACE)
target_compile_options(talvex_warnings INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow
                       $<$<BOOL:${TALVEX_WARNINGS_AS_ERRORS}>:-Werror>)

set(TALVEX_THIRD_PARTY_TARGETS sqlite3_amalgamation pugixml_wide)

# Links talvex_warnings to every compiled target defined in this source folder and the folders below it.
function(talvex_apply_warnings folder)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(target IN_LIST TALVEX_THIRD_PARTY_TARGETS OR type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
      continue()
    endif()
    target_link_libraries(${target} PRIVATE talvex_warnings)
  endforeach()
  get_property(children DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(child IN LISTS children)
    cmake_path(IS_PREFIX CMAKE_SOURCE_DIR ${child} ours)
    if(ours)
      talvex_apply_warnings(${child})
    endif()
  endforeach()
endfunction()
