# 32-bit Arm Linux (hard-float ABI), with Debian's g++-arm-linux-gnueabihf under qemu-arm.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(octant_pi_triplet arm-linux-gnueabihf)
set(octant_pi_qemu qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
