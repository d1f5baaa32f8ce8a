# 32-bit Windows, the program's first platform, with Debian's g++-mingw-w64-i686 under 32-bit
# wine (wine32:i386) where the host runs 32-bit programs. A 32-bit prefix: a 64-bit one would
# start the 64-bit loader as well.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(octant_pi_triplet i686-w64-mingw32)
set(octant_pi_wine env WINEARCH=win32 /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-cross.cmake)
