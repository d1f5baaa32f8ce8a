# Every double operation of the project rounds to binary64 on its own, in the order that the
# source gives, whatever CMAKE_CXX_FLAGS hold: these options reach every file that the project
# compiles and come last on its command line (why they suffice: docs/targets.md).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$")
  message(FATAL_ERROR "octant_pi is built with GCC or clang; ${CMAKE_CXX_COMPILER_ID} is not tried")
endif()

set(octant_pi_binary64_options
  # -ffast-math, -Ofast and their parts reorder sums, replace divisions by reciprocals and
  # square roots by estimates.
  -fno-fast-math -fno-associative-math -fno-reciprocal-math -fsigned-zeros -fno-finite-math-only
  # GCC fuses a * b + c into one FMA by default, clang within an expression.
  -ffp-contract=off)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC's -fno-fast-math leaves an explicit -funsafe-math-optimizations in force.
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
