# OCTANT_PI_VECTOR_CLONES: compile the estimator once per x86-64 vector width and let the dynamic
# loader pick the widest that the processor has. That needs GCC's or clang's target_clones and a
# C library with ifunc support (glibc; not musl, not Windows), so it is tried here rather than
# assumed from the target's name.
include(CheckCXXSourceCompiles)
# GCC only warns where the attribute does not apply (riscv64, for one): a warning is a no.
set(CMAKE_REQUIRED_FLAGS -Werror)
check_cxx_source_compiles([[
__attribute__((target_clones("avx512f", "avx2", "default"))) double twice(double x) { return x + x; }
int main() { return twice(1.0) == 2.0 ? 0 : 1; }
]] OCTANT_PI_HAVE_VECTOR_CLONES)
unset(CMAKE_REQUIRED_FLAGS)
option(OCTANT_PI_VECTOR_CLONES "One estimator clone per x86-64 vector width, chosen at load time"
       ${OCTANT_PI_HAVE_VECTOR_CLONES})
if(OCTANT_PI_VECTOR_CLONES AND NOT OCTANT_PI_HAVE_VECTOR_CLONES)
  message(FATAL_ERROR "OCTANT_PI_VECTOR_CLONES is on, but this compiler and C library cannot "
                      "dispatch target_clones (no ifunc support); configure with it OFF")
endif()
