# 64-bit Windows: the same code as the product, built so that its tests can run under 64-bit Wine on machines
# whose kernel runs no 32-bit programs.
set(TALVEX_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
