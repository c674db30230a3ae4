# The program itself, with the win32 thread model: Quillet has one thread and
# needs no pthreads emulation, which the posix model would link in.
set(QUILLET_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-common.cmake)
