# 32-bit x86 Linux, with Debian's g++-i686-linux-gnu under qemu-i386.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(octant_pi_triplet i686-linux-gnu)
set(octant_pi_qemu qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
