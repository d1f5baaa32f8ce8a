// Polygon length of the unit circle's first octant from the y axis: every operation rounded to
// binary64 on its own, in one fixed order, so that every build returns the same bits.
#include "octant_arc_length.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "binary64.hpp"
#include "octant_arc_length_kernels.hpp"

#if defined(__x86_64__) || defined(__i386__)
#define OCTANT_PI_X86 1
#include <immintrin.h>
#endif

// On x86 the chords are computed several at a time in vector registers. Each call takes the
// widest kernel that the processor and the operating system support; a build that defines
// OCTANT_PI_SINGLE_PATH gets one kernel, the widest that its own flags allow.
#if defined(OCTANT_PI_X86) && !defined(OCTANT_PI_SINGLE_PATH)
#define OCTANT_PI_DISPATCH 1
#define OCTANT_PI_TARGET(isa) __attribute__((target(isa)))
#else
#define OCTANT_PI_TARGET(isa)
#endif
// AVX-512 on x86-64 only: no emulator at hand runs 32-bit code with it, so a 32-bit kernel for
// it could not be tested, and the 32-bit builds stop at AVX2.
#if defined(__x86_64__) && (defined(OCTANT_PI_DISPATCH) || defined(__AVX512F__))
#define OCTANT_PI_AVX512 1
#endif

namespace {

// The walk along the arc: the last point reached, the abscissa before it, the running sum and
// how many chords are still to come. The sum's binade [sum_low, 2 sum_low) and half the
// spacing of doubles in it serve the kernels' exact shortcut for the sum.
struct walk {
  double x;
  double y;
  double x_before;
  double sum;
  std::int32_t left;
  double sum_low;
  double sum_half_ulp;
};

// The largest power of two not above x, for x > 0 and normal, which every abscissa and sum
// here is: the start of x's binade, in which doubles are binade(x) * 2^-52 apart. 0 for x = 0.
double binade(double x) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  bits &= 0x7ff0000000000000U;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

// The sum's binade and half its spacing, after the sum has changed binade or may have.
void track_sum_binade(walk& w) {
  w.sum_low = binade(w.sum);
  w.sum_half_ulp = w.sum_low * 0x1p-53;
}

// sqrt(2)/2 divided by n: two separate roundings.
double step_for(std::int32_t n) {
  double step = std::sqrt(2.0) / 2.0;
  step = step / static_cast<double>(n);
  return step;
}

walk start(std::int32_t n) {
  walk w{};
  w.x = 0.0;
  w.y = std::sqrt(1.0 - unfused(w.x * w.x));  // exactly 1
  w.left = n;
  track_sum_binade(w);
  return w;
}

// One chord, exactly as the polygon is defined: the next abscissa by addition (never k * step:
// the accumulated rounding shows in the last printed digits), its ordinate, the chord's length,
// added to the running sum in increasing x.
void add_chord(walk& w, double step) {
  const double x_prev = w.x;
  const double y_prev = w.y;
  const double x = x_prev + step;
  const double y = std::sqrt(1.0 - unfused(x * x));
  const double dx = x - x_prev;
  const double dy = y - y_prev;
  w.sum = std::sqrt(unfused(dx * dx) + unfused(dy * dy)) + w.sum;
  w.x_before = x_prev;
  w.x = x;
  w.y = y;
  --w.left;
}

#if !defined(OCTANT_PI_X86)
// Every other processor: one chord after another.
double serial_chord_sum(std::int32_t n) {
  const double step = step_for(n);
  walk w = start(n);
  while (w.left > 0) {
    add_chord(w, step);
  }
  return w.sum;
}
#endif

// The x86 kernels: one source, chord_kernel.inc, compiled once per vector width after `pack`
// (that many doubles in one register), its helpers and the kernel's name. KERNEL marks each
// function with the width's instruction set.
#if defined(OCTANT_PI_AVX512)
#define KERNEL OCTANT_PI_TARGET("avx512f") inline
namespace avx512f {
constexpr const char* name = "avx512f";
using pack = __m512d;
constexpr std::int32_t lanes = 8;
KERNEL pack broadcast(double x) { return _mm512_set1_pd(x); }
KERNEL pack lane_numbers() { return _mm512_set_pd(8.0, 7.0, 6.0, 5.0, 4.0, 3.0, 2.0, 1.0); }
// The masked forms with all lanes set: GCC 12 warns that the plain ones read an undefined value.
KERNEL pack root(pack p) { return _mm512_maskz_sqrt_pd(0xff, p); }
// {before[7], p[0], ..., p[6]}: the lanes one point back along the arc.
KERNEL pack predecessors(pack before, pack p) {
  return _mm512_castsi512_pd(
      _mm512_maskz_alignr_epi64(0xff, _mm512_castpd_si512(p), _mm512_castpd_si512(before), 7));
}
KERNEL pack magnitude(pack p) { return _mm512_abs_pd(p); }
KERNEL pack larger(pack a, pack b) { return _mm512_maskz_max_pd(0xff, a, b); }
KERNEL bool any_equal(pack a, pack b) { return _mm512_cmp_pd_mask(a, b, _CMP_EQ_OQ) != 0; }
KERNEL double total(pack p) {
  const __m256d half =
      _mm512_maskz_extractf64x4_pd(0xf, p, 0) + _mm512_maskz_extractf64x4_pd(0xf, p, 1);
  const __m128d quarter = _mm256_castpd256_pd128(half) + _mm256_extractf128_pd(half, 1);
  return _mm_cvtsd_f64(quarter + _mm_unpackhi_pd(quarter, quarter));
}
KERNEL pack load(const double* from) { return _mm512_loadu_pd(from); }
KERNEL void store(double* to, pack p) { _mm512_storeu_pd(to, p); }
// For the chords' estimates (chord_kernel.inc): a * b + c with one rounding, and 1/sqrt(q) to
// within a relative 2^-14, as VRSQRT14PD documents.
#define ONE_ROOT 1
KERNEL pack fused(pack a, pack b, pack c) { return _mm512_fmadd_pd(a, b, c); }
KERNEL pack fused_negated(pack a, pack b, pack c) { return _mm512_fnmadd_pd(a, b, c); }
KERNEL pack seed(pack q) { return _mm512_maskz_rsqrt14_pd(0xff, q); }
KERNEL bool any_not_below(pack a, pack b) { return _mm512_cmp_pd_mask(a, b, _CMP_NLT_UQ) != 0; }
#include "chord_kernel.inc"
#undef ONE_ROOT
}  // namespace avx512f
#undef KERNEL
#endif

#if defined(OCTANT_PI_DISPATCH) || \
    (defined(__AVX2__) && defined(__FMA__) && !defined(OCTANT_PI_AVX512))
#define KERNEL OCTANT_PI_TARGET("avx2,fma") inline
namespace avx2 {
constexpr const char* name = "avx2";
using pack = __m256d;
constexpr std::int32_t lanes = 4;
KERNEL pack broadcast(double x) { return _mm256_set1_pd(x); }
KERNEL pack lane_numbers() { return _mm256_set_pd(4.0, 3.0, 2.0, 1.0); }
KERNEL pack root(pack p) { return _mm256_sqrt_pd(p); }
// {before[3], p[0], p[1], p[2]}, by way of {before[2], before[3], p[0], p[1]}.
KERNEL pack predecessors(pack before, pack p) {
  return _mm256_shuffle_pd(_mm256_permute2f128_pd(before, p, 0x21), p, 0x5);
}
KERNEL pack magnitude(pack p) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), p); }
KERNEL pack larger(pack a, pack b) { return _mm256_max_pd(a, b); }
KERNEL bool any_equal(pack a, pack b) {
  return _mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_EQ_OQ)) != 0;
}
KERNEL double total(pack p) {
  const __m128d half = _mm256_castpd256_pd128(p) + _mm256_extractf128_pd(p, 1);
  return _mm_cvtsd_f64(half + _mm_unpackhi_pd(half, half));
}
KERNEL pack load(const double* from) { return _mm256_loadu_pd(from); }
KERNEL void store(double* to, pack p) { _mm256_storeu_pd(to, p); }
// AVX2 has no double rsqrt: VRSQRTPS on q rounded to float, within a relative 1.5 * 2^-12 of
// that float's 1/sqrt as documented, so within 2^-11.41 of 1/sqrt(q).
#define ONE_ROOT 1
KERNEL pack fused(pack a, pack b, pack c) { return _mm256_fmadd_pd(a, b, c); }
KERNEL pack fused_negated(pack a, pack b, pack c) { return _mm256_fnmadd_pd(a, b, c); }
KERNEL pack seed(pack q) { return _mm256_cvtps_pd(_mm_rsqrt_ps(_mm256_cvtpd_ps(q))); }
KERNEL bool any_not_below(pack a, pack b) {
  return _mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_NLT_UQ)) != 0;
}
#include "chord_kernel.inc"
#undef ONE_ROOT
}  // namespace avx2
#undef KERNEL
#endif

#if defined(OCTANT_PI_DISPATCH) || \
    (defined(OCTANT_PI_X86) && defined(__SSE2__) && !(defined(__AVX2__) && defined(__FMA__)))
#define KERNEL OCTANT_PI_TARGET("sse2") inline
namespace sse2 {
constexpr const char* name = "sse2";
using pack = __m128d;
constexpr std::int32_t lanes = 2;
KERNEL pack broadcast(double x) { return _mm_set1_pd(x); }
KERNEL pack lane_numbers() { return _mm_set_pd(2.0, 1.0); }
KERNEL pack root(pack p) { return _mm_sqrt_pd(p); }
// {before[1], p[0]}
KERNEL pack predecessors(pack before, pack p) { return _mm_shuffle_pd(before, p, 0x1); }
KERNEL pack magnitude(pack p) { return _mm_andnot_pd(_mm_set1_pd(-0.0), p); }
KERNEL pack larger(pack a, pack b) { return _mm_max_pd(a, b); }
KERNEL bool any_equal(pack a, pack b) { return _mm_movemask_pd(_mm_cmpeq_pd(a, b)) != 0; }
KERNEL double total(pack p) { return _mm_cvtsd_f64(p + _mm_unpackhi_pd(p, p)); }
KERNEL pack load(const double* from) { return _mm_loadu_pd(from); }
KERNEL void store(double* to, pack p) { _mm_storeu_pd(to, p); }
#define ONE_ROOT 0
#include "chord_kernel.inc"
#undef ONE_ROOT
}  // namespace sse2
#undef KERNEL
#endif

#if defined(OCTANT_PI_DISPATCH)
// Whether the processor and the operating system run a width's instructions (the register state
// saved on a switch, XGETBV), as the compiler's run-time library reads them. The library reads
// them once, before main, or here where a constructor calls the estimator first.
#if defined(OCTANT_PI_AVX512)
bool avx512f_runs() {
  __builtin_cpu_init();
  return static_cast<bool>(__builtin_cpu_supports("avx512f"));
}
#endif
bool avx2_runs() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}
#endif
// A kernel that runs wherever the rest of the build's code does: SSE2, as that code is compiled
// with -msse2 or refused for x87 (binary64.hpp), and the one kernel of a build for its flags.
bool runs_with_the_build() { return true; }

// This build's kernels, widest first. A constant table: no guard, no constructor, so nothing of
// the C++ run-time library is needed to read it, and it is complete before any constructor runs.
#if defined(OCTANT_PI_DISPATCH) && defined(OCTANT_PI_AVX512)
constexpr std::array<octant_arc_length_kernel, 3> kernels = {
    avx512f::this_kernel(avx512f_runs), avx2::this_kernel(avx2_runs),
    sse2::this_kernel(runs_with_the_build)};
#elif defined(OCTANT_PI_DISPATCH)
constexpr std::array<octant_arc_length_kernel, 2> kernels = {
    avx2::this_kernel(avx2_runs), sse2::this_kernel(runs_with_the_build)};
#elif defined(OCTANT_PI_AVX512)
constexpr std::array<octant_arc_length_kernel, 1> kernels = {
    avx512f::this_kernel(runs_with_the_build)};
#elif defined(__AVX2__) && defined(__FMA__)
constexpr std::array<octant_arc_length_kernel, 1> kernels = {
    avx2::this_kernel(runs_with_the_build)};
#elif defined(OCTANT_PI_X86) && defined(__SSE2__)
constexpr std::array<octant_arc_length_kernel, 1> kernels = {
    sse2::this_kernel(runs_with_the_build)};
#else
constexpr std::array<octant_arc_length_kernel, 1> kernels = {
    octant_arc_length_kernel{"serial", runs_with_the_build, serial_chord_sum, nullptr}};
#endif

// The first kernel of the list that runs here: the widest.
const octant_arc_length_kernel& chosen_kernel() {
  const auto* const widest =
      std::find_if(kernels.begin(), kernels.end(),
                   [](const octant_arc_length_kernel& k) { return k.runs_here(); });
  // The last kernel runs wherever the build's code does, so one is always found.
  return widest != kernels.end() ? *widest : kernels.front();
}

}  // namespace

// cppcheck-suppress unusedFunction ; for the tests and the benchmark
octant_arc_length_kernel_list octant_arc_length_kernels() {
  return {kernels.data(), kernels.size()};
}

double octant_arc_length(std::int32_t n) {
  if (n < 1) {
    return 0.0;  // no chord; the step would divide by zero or be negative
  }
  return chosen_kernel().chord_sum(n);
}

// cppcheck-suppress unusedFunction ; for the tests and the benchmark
const char* octant_arc_length_path() { return chosen_kernel().name; }
