# IBM Z Linux, big-endian, with Debian's g++-s390x-linux-gnu under qemu-s390x.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(octant_pi_triplet s390x-linux-gnu)
set(octant_pi_qemu qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
