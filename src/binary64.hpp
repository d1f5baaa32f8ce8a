// Makes every double operation of the including file round to binary64 on its own, where the
// compiler lets the source say so, and refuses to compile where it can see that this fails.
#pragma once

#include <cfloat>
#include <limits>

static_assert(std::numeric_limits<double>::is_iec559 && std::numeric_limits<double>::digits == 53,
              "double must be IEEE 754 binary64");

// The build passes the matching options; these pragmas hold even where the file is compiled
// with other ones. "precise" turns contraction back on within expressions, so it comes first.
#if defined(__clang__) && defined(__wasm__)  // no float_control there; wasm has no FMA to fuse into
#pragma clang fp reassociate(off)
#pragma STDC FP_CONTRACT OFF
#elif defined(__clang__)
#pragma float_control(precise, on)
#pragma STDC FP_CONTRACT OFF
#elif defined(_MSC_VER)
#pragma float_control(precise, on)
#pragma fp_contract(off)
#endif

// GCC has no such pragma; it names some of the flags that change the digits in macros.
#if defined(__FAST_MATH__)
#error "-ffast-math reorders and fuses floating-point operations and changes the digits"
#endif
#if defined(__ASSOCIATIVE_MATH__) || defined(__RECIPROCAL_MATH__)
#error "-fassociative-math or -freciprocal-math (-funsafe-math-optimizations) changes the digits"
#endif

// 0: every double operation rounds to double. 2: the x87 unit's 80-bit extended precision.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "double is evaluated in a wider precision (FLT_EVAL_METHOD != 0); use -msse2 -mfpmath=sse"
#endif
