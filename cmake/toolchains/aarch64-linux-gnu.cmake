# 64-bit Arm Linux, with Debian's g++-aarch64-linux-gnu under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(octant_pi_triplet aarch64-linux-gnu)
set(octant_pi_qemu qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
