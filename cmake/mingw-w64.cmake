# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX
# threads compiler, for std::thread). Libraries come only from the mingw-w64
# folder, never from the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TALONIX_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALONIX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALONIX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TALONIX_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TALONIX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
