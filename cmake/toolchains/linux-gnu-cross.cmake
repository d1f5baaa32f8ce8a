# Shared by the Linux cross toolchains: set CMAKE_SYSTEM_PROCESSOR, octant_pi_triplet and
# octant_pi_qemu, then include this. Debian's g++-<triplet> builds, qemu-user runs the result
# with the target's libraries from /usr/<triplet>.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${octant_pi_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${octant_pi_triplet}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${octant_pi_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${octant_pi_qemu} -L /usr/${octant_pi_triplet})
