# The seed corpus writer, shared by the fuzz build and the native test run that replays the corpus.
include_guard(GLOBAL)
add_executable(chromfile_seed_corpus ${CMAKE_CURRENT_LIST_DIR}/seed_corpus.cpp)
target_link_libraries(chromfile_seed_corpus PRIVATE talvex_chromwriter)
