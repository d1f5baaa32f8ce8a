# 64-bit Windows with Debian's g++-mingw-w64-x86-64; runs under 64-bit wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Self-contained executables: the C and C++ runtimes are linked in, so they run from a bare folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# Debian's wine64 loader is not on PATH. A prefix of the build's own, no debug chatter, and no
# Mono or Gecko installer when the prefix is first made.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDLLOVERRIDES=mscoree,mshtml=d
    /usr/lib/wine/wine64)
