# Each library of the module is included as "folder/header.h". Its include folder is a root in the binary
# folder that holds one link, to its own source folder, never the source root: a library sees its own headers
# and those of the libraries it links, so the build refuses an include of a folder the library does not link
# (tests/layers checks the direction of every include against the layers' table).
set(TALVEX_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include_roots)

# talvex_include_root(TARGET): TARGET and whatever links it include the headers of the source folder TARGET is
# defined in.
function(talvex_include_root target)
  cmake_path(RELATIVE_PATH CMAKE_CURRENT_SOURCE_DIR BASE_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE folder)
  set(root ${TALVEX_INCLUDE_ROOTS}/${folder})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
