// Makes every double operation of the including file round to binary64 on its own, whatever
// flags the file is compiled with, or refuses to compile where the source can see that this
// fails. Why this and the build's options suffice: docs/targets.md.
#pragma once

#include <cfloat>
#include <limits>

static_assert(std::numeric_limits<double>::is_iec559 && std::numeric_limits<double>::digits == 53,
              "double must be IEEE 754 binary64");

// The guards below are GCC's and clang's; another compiler gets no guarantee, so no build.
#if !defined(__GNUC__)
#error "the estimator needs GCC or clang: its binary64 guards use their pragmas and asm"
#endif

// Clang: reassociation and reciprocals off again (on wasm, which has no float_control,
// reassociation at least). "precise" turns contraction within an expression back on, which
// FP_CONTRACT OFF undoes for products outside unfused(); -ffp-contract=fast ignores both.
#if defined(__clang__) && defined(__wasm__)
#pragma clang fp reassociate(off)
#pragma STDC FP_CONTRACT OFF
#elif defined(__clang__)
#pragma float_control(precise, on)
#pragma STDC FP_CONTRACT OFF
#endif

// GCC has no such pragma, but its macros name the flags that change the digits.
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

// unfused(a * b): the product, rounded on its own. The empty asm claims to change its operand
// in a register, so the compiler cannot see a product behind it and cannot fuse it with the
// following addition into a multiply-add, whatever -ffp-contract says: GCC contracts by default,
// and clang's -ffp-contract=fast ignores every pragma. It costs no instruction.
template <typename T>
inline T unfused(T value) {
#if defined(__x86_64__) || defined(__i386__)
  __asm__("" : "+v"(value));  // an SSE or AVX register
#elif defined(__aarch64__) || defined(__arm__)
  __asm__("" : "+w"(value));  // a floating-point or SIMD register
#elif defined(__powerpc__)
  __asm__("" : "+d"(value));  // a floating-point register
#elif defined(__s390x__) || defined(__riscv)
  __asm__("" : "+f"(value));  // a floating-point register
#elif defined(__wasm__)
  // WebAssembly has no fused multiply-add for the compiler to use.
#else
  __asm__("" : "+m"(value));  // any other processor: through memory, slower but just as sure
#endif
  return value;
}
