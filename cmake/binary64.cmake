# octant_pi_binary64(target): compile the target so that every double operation rounds to
# binary64 on its own. The sources check what they can see (fast-math, FLT_EVAL_METHOD) and
# refuse to compile otherwise; contraction is invisible to them, so these flags must be there.
function(octant_pi_binary64 target)
  if(MSVC)
    # /fp:precise never contracts unless /fp:contract is added; x64 and 32-bit x86 (/arch:SSE2,
    # the default) both use SSE2 scalar arithmetic.
    target_compile_options(${target} PRIVATE /fp:precise)
    return()
  endif()
  # GCC fuses a * b + c into one FMA by default, even across statements, and clang does so
  # within an expression: either changes the rounding of every chord.
  target_compile_options(${target} PRIVATE -ffp-contract=off)
  # 32-bit x86 evaluates in the x87 unit's 80-bit registers unless told to use SSE2.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86|X86)$")
    target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
  endif()
endfunction()
