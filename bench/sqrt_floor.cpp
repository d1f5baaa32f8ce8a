// The square-root floors of one vector width: two vector square roots per chord and nothing else,
// what any kernel of that width that takes the chord's two roots must spend at least, and one
// root per chord, for a kernel that takes only the ordinate's. Compiled once per width
// (-mavx512f, -mavx2 or neither) and code placement, under the names
// sqrt_floor_<width>_at_<offset> and one_root_floor_<width>_at_<offset>.
#include <immintrin.h>

#include <cstdint>

#include "sqrt_floor.hpp"

namespace {
#if defined(__AVX512F__)
using pack = __m512d;
constexpr std::int64_t lanes = 8;
pack broadcast(double x) { return _mm512_set1_pd(x); }
pack root(pack p) { return _mm512_sqrt_pd(p); }
#elif defined(__AVX2__)
using pack = __m256d;
constexpr std::int64_t lanes = 4;
pack broadcast(double x) { return _mm256_set1_pd(x); }
pack root(pack p) { return _mm256_sqrt_pd(p); }
#else
using pack = __m128d;
constexpr std::int64_t lanes = 2;
pack broadcast(double x) { return _mm_set1_pd(x); }
pack root(pack p) { return _mm_sqrt_pd(p); }
#endif
}  // namespace

double sqrt_floor(std::int64_t chords) {
  pack a = broadcast(0.5);
  pack b = broadcast(0.75);
  pack roots = broadcast(0.0);
  for (std::int64_t i = 0; i < chords; i += lanes) {
    roots = roots + (root(a) + root(b));
    // a and b may have changed: the compiler must take both roots again on every pass.
    __asm__("" : "+v"(a), "+v"(b));
  }
  return roots[0];
}

double one_root_floor(std::int64_t chords) {
  pack a = broadcast(0.5);
  pack roots = broadcast(0.0);
  for (std::int64_t i = 0; i < chords; i += lanes) {
    roots = roots + root(a);
    __asm__("" : "+v"(a));
  }
  return roots[0];
}
