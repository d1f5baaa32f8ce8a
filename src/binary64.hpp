// Refuses to compile where double arithmetic would not round every operation to binary64.
#pragma once

#include <cfloat>
#include <limits>

static_assert(std::numeric_limits<double>::is_iec559 && std::numeric_limits<double>::digits == 53,
              "double must be IEEE 754 binary64");

#if defined(__FAST_MATH__)
#error "-ffast-math reorders and fuses floating-point operations and changes the digits"
#endif

// 0: every double operation rounds to double. 2: the x87 unit's 80-bit extended precision.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "double is evaluated in a wider precision (FLT_EVAL_METHOD != 0); use -msse2 -mfpmath=sse"
#endif
