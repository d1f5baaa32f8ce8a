# 64-bit RISC-V Linux, with Debian's g++-riscv64-linux-gnu under qemu-riscv64.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(octant_pi_triplet riscv64-linux-gnu)
set(octant_pi_qemu qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
