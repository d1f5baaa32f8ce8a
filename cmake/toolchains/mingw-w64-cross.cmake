# Shared by the Windows cross toolchains: set CMAKE_SYSTEM_PROCESSOR, octant_pi_triplet and
# octant_pi_wine (Debian's loader for this width), then include this.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_C_COMPILER ${octant_pi_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${octant_pi_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${octant_pi_triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${octant_pi_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# GCC may keep 32- and 64-byte vectors in stack slots that it takes to be aligned, which Windows
# does not promise for the stack (GCC bug 54412): every aligned vector move is assembled as an
# unaligned one, which is as fast on aligned data and never faults.
set(CMAKE_CXX_FLAGS_INIT -Wa,-muse-unaligned-vector-move)
# Self-contained executables: the C and C++ runtimes are linked in, so they run from a bare folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# Debian's wine loaders are not on PATH. A prefix of the build's own, no debug chatter, and no
# Mono or Gecko installer when the prefix is first made. -DCMAKE_CROSSCOMPILING_EMULATOR= (empty)
# lists the tests that run the target as skipped, for a build whose programs run elsewhere.
if(NOT DEFINED CACHE{CMAKE_CROSSCOMPILING_EMULATOR})
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix
      WINEDLLOVERRIDES=mscoree,mshtml=d ${octant_pi_wine})
endif()
