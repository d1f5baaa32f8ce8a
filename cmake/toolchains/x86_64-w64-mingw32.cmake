# 64-bit Windows, with Debian's g++-mingw-w64-x86-64 under 64-bit wine (wine64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(octant_pi_triplet x86_64-w64-mingw32)
set(octant_pi_wine /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-cross.cmake)
