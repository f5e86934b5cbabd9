# Fuzz targets. Each is a libFuzzer program in the fuzz build and, in every native build, a replay of its
# seeds without libFuzzer as an ordinary test, so that every seed and every input that once crashed a target
# keeps being run by the test suite.
include_guard(GLOBAL)

# talvex_fuzz_target(<name> SOURCE <file> LIBS <lib>... [INSTRUMENT <lib>...]
#                    [SEED_WRITER <file> [SEED_WRITER_LIBS <lib>...]] [DICT <file>])
# SOURCE defines LLVMFuzzerTestOneInput over LIBS. The seeds are the committed files of the folder "seeds"
# beside the calling CMakeLists.txt, if there is one, and the files the program built from SEED_WRITER
# writes into the folder it is given. INSTRUMENT names the libraries whose own code the fuzzer gets coverage
# feedback from. The fuzz build makes the program fuzz_<name> and describes it for scripts/fuzz in
# <build>/fuzz-targets/<name>: its program, its working corpus (seeded at build time), seed folders and dict.
function(talvex_fuzz_target name)
  cmake_parse_arguments(F "" "SOURCE;SEED_WRITER;DICT" "LIBS;INSTRUMENT;SEED_WRITER_LIBS" ${ARGN})
  set(seed_dirs)
  if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/seeds)
    list(APPEND seed_dirs ${CMAKE_CURRENT_SOURCE_DIR}/seeds)
  endif()
  if(F_SEED_WRITER)
    add_executable(${name}_seed_writer ${F_SEED_WRITER})
    target_link_libraries(${name}_seed_writer PRIVATE ${F_SEED_WRITER_LIBS})
    target_include_directories(${name}_seed_writer PRIVATE ${CMAKE_SOURCE_DIR})
  endif()

  # The replay: written seeds come from a test fixture, so that the test run needs no build step of its own.
  add_executable(${name}_fuzz_replay ${F_SOURCE} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/replay_main.cpp)
  target_link_libraries(${name}_fuzz_replay PRIVATE ${F_LIBS})
  target_include_directories(${name}_fuzz_replay PRIVATE ${CMAKE_SOURCE_DIR})
  set(replayed ${seed_dirs})
  if(F_SEED_WRITER)
    set(written ${CMAKE_CURRENT_BINARY_DIR}/written_seeds)
    add_test(NAME ${name}_seeds_written COMMAND ${name}_seed_writer ${written})
    set_tests_properties(${name}_seeds_written PROPERTIES FIXTURES_SETUP ${name}_seeds)
    list(APPEND replayed ${written})
  endif()
  add_test(NAME ${name}_fuzz_replay COMMAND ${name}_fuzz_replay ${replayed})
  if(F_SEED_WRITER)
    set_tests_properties(${name}_fuzz_replay PROPERTIES FIXTURES_REQUIRED ${name}_seeds)
  endif()

  if(NOT TALVEX_FUZZ)
    return()
  endif()
  add_executable(fuzz_${name} ${F_SOURCE})
  target_link_libraries(fuzz_${name} PRIVATE ${F_LIBS})
  target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  # This build tree exists for fuzzing, so its copies of the libraries carry the coverage instrumentation.
  foreach(lib IN LISTS F_INSTRUMENT)
    get_target_property(options ${lib} COMPILE_OPTIONS)
    if(NOT "-fsanitize=fuzzer-no-link" IN_LIST options)
      target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
  endforeach()

  # The working corpus: libFuzzer adds what it finds to the first folder it is given, so the committed
  # seeds are never written to.
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/corpus.stamp)
  set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${corpus})
  if(F_SEED_WRITER)
    list(APPEND commands COMMAND ${name}_seed_writer ${corpus})
  endif()
  add_custom_command(OUTPUT ${stamp} ${commands} COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                     DEPENDS $<$<BOOL:${F_SEED_WRITER}>:${name}_seed_writer>
                     COMMENT "Seeding the corpus of fuzz_${name}")
  add_custom_target(fuzz_${name}_corpus ALL DEPENDS ${stamp})
  add_dependencies(fuzz_${name} fuzz_${name}_corpus)

  set(description "program=$<TARGET_FILE:fuzz_${name}>\ncorpus=${corpus}\n")
  foreach(dir IN LISTS seed_dirs)
    string(APPEND description "seeds=${dir}\n")
  endforeach()
  if(F_DICT)
    string(APPEND description "dict=${CMAKE_CURRENT_SOURCE_DIR}/${F_DICT}\n")
  endif()
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzz-targets/${name} CONTENT "${description}")
endfunction()
