# Cross-compiling for 64-bit Windows with Debian's mingw-w64, posix threads (std::thread and std::mutex
# need them; the win32 flavour has neither in GCC 12).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VERLANDIS_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VERLANDIS_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VERLANDIS_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VERLANDIS_MINGW}-windres)
# Never let a Linux library or header from /usr leak into a Windows build.
set(CMAKE_FIND_ROOT_PATH /usr/${VERLANDIS_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
