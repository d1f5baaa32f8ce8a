# 64-bit little-endian POWER Linux, with Debian's g++-powerpc64le-linux-gnu under qemu-ppc64le.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(octant_pi_triplet powerpc64le-linux-gnu)
set(octant_pi_qemu qemu-ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
