# Cross compile for 64-bit Windows with the posix thread model of mingw-w64,
# which GoogleTest needs for std::mutex.
set(QUILLET_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-common.cmake)
# The tests run under Wine; a build of the program alone does not need it.
find_program(WINE_PROGRAM wine)
if(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
endif()
