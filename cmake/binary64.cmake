# Every double operation of the project rounds to binary64 on its own, in the order that the
# source gives. Included from the top-level list file, so these options reach every file that the
# project compiles (program, tests, oracle, benchmark) and come after CMAKE_CXX_FLAGS on each
# command line: the last word wins, so they undo the fast-math, reassociation and contraction
# flags that a user or a distribution may pass there.
# GCC and clang only: the sources' own guards (src/binary64.hpp) are theirs too.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$")
  message(FATAL_ERROR "octant_pi is built with GCC or clang; ${CMAKE_CXX_COMPILER_ID} is not tried")
endif()

set(octant_pi_binary64_options
  # -ffast-math, -Ofast and their parts reorder sums, replace divisions by reciprocals and
  # square roots by estimates.
  -fno-fast-math -fno-associative-math -fno-reciprocal-math -fsigned-zeros -fno-finite-math-only
  # GCC fuses a * b + c into one FMA by default, even across statements, and clang does so
  # within an expression: either changes the rounding of every chord. (The estimator also keeps
  # its products apart by itself; the tests and the plain transcription rely on this option.)
  -ffp-contract=off)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC's -fno-fast-math leaves an explicit -funsafe-math-optimizations in force. (Clang's
  # -fno-fast-math undoes it, and clang's -fno-unsafe-math-optimizations would also make
  # floating-point exceptions strict, which costs the vector code.)
  list(PREPEND octant_pi_binary64_options -fno-unsafe-math-optimizations)
endif()
add_compile_options(${octant_pi_binary64_options})
# Under LTO the code is compiled again at link time: the same options hold there.
add_link_options(${octant_pi_binary64_options})

# Whether the target is an x86 processor (32- or 64-bit); Emscripten calls its processor x86,
# but it is wasm.
set(OCTANT_PI_X86 FALSE)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86|X86|x86_64|AMD64)$" AND NOT EMSCRIPTEN)
  set(OCTANT_PI_X86 TRUE)
endif()

# 32-bit x86 evaluates in the x87 unit's 80-bit registers unless told to use SSE2; a user's
# -mfpmath=387 would do the same on x86-64.
if(OCTANT_PI_X86)
  add_compile_options(-msse2 -mfpmath=sse)
endif()
