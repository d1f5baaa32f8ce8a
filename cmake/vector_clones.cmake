# OCTANT_PI_VECTOR_CLONES: on x86 the estimator holds one kernel per vector width (AVX-512,
# AVX2, SSE2) and each call takes the widest that the processor and the operating system
# support. Off: one kernel, the widest that the compiler flags allow. Other processors have
# one kernel either way.
option(OCTANT_PI_VECTOR_CLONES "x86: one estimator kernel per vector width, chosen at run time" ON)
