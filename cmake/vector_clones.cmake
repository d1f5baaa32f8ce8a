# OCTANT_PI_VECTOR_CLONES: on x86 the estimator holds one kernel per vector width (AVX-512,
# AVX2, SSE2) and each call takes the widest that the processor and the operating system
# support. Off: one kernel, the widest that the compiler flags allow. Other processors have
# one kernel either way.
if(NOT DEFINED CACHE{OCTANT_PI_VECTOR_CLONES})
  set(default_taken TRUE)
endif()
option(OCTANT_PI_VECTOR_CLONES "x86: one estimator kernel per vector width, chosen at run time" ON)
if(default_taken)
  set(OCTANT_PI_VECTOR_CLONES_DEFAULT ${OCTANT_PI_VECTOR_CLONES} CACHE INTERNAL "")
endif()
# Whether a configure asked for one kernel, rather than the option's default giving it: the
# tests hold a build that nobody asked to every width, so that a default that loses the
# kernels fails them.
set(OCTANT_PI_ONE_KERNEL_ASKED FALSE)
if(NOT OCTANT_PI_VECTOR_CLONES
   AND NOT "${OCTANT_PI_VECTOR_CLONES}" STREQUAL "${OCTANT_PI_VECTOR_CLONES_DEFAULT}")
  set(OCTANT_PI_ONE_KERNEL_ASKED TRUE)
endif()
