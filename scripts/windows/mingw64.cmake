# Debian's MinGW-w64 cross-compiler for 64-bit Windows, in its POSIX threading model: Qt's
# threads and std::thread need it. Used to build Qt and, chained by Qt's qt-cmake, the game.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BLINZOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BLINZOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BLINZOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BLINZOR_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BLINZOR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
