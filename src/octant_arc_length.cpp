// Polygon length of the unit circle's first octant from the y axis: every operation rounded to
// binary64 on its own, in one fixed order, so that every build returns the same bits.
#include "octant_arc_length.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "binary64.hpp"

// Where the build enables it, the function is compiled once per x86-64 vector width, and the
// dynamic loader picks the widest that the processor has. Every clone performs the same
// operations in the same order: the choice changes the speed, never the result.
#if defined(OCTANT_PI_VECTOR_CLONES)
#define VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define VECTOR_CLONES
#endif

// GCC applies -ffp-contract per function: code inlined into a caller compiled with contraction
// (link-time optimisation inlines across files) is contracted there. Kept out of line, the
// estimator's arithmetic follows its own options whatever the caller's.
#if defined(__GNUC__) && !defined(__clang__)
#define NOT_INLINED __attribute__((noipa))
#elif defined(__GNUC__) || defined(__clang__)
#define NOT_INLINED __attribute__((noinline))
#elif defined(_MSC_VER)
#define NOT_INLINED __declspec(noinline)
#else
#define NOT_INLINED
#endif

namespace {

// Only two values carry from one chord to the next: the abscissa and the running sum, one
// dependent addition each. The square roots, squares and differences in between depend on
// nothing but the chord's own end points, so chords are handled in blocks on the stack: the
// additions one by one in order, the rest in loops that the compiler turns into vector code.
VECTOR_CLONES double chord_sum(std::int32_t n) {
  double sum = 0.0;
  if (n < 1) {
    return sum;  // no chord
  }
  // Two separate roundings: sqrt(2)/2 first, then the division by n.
  double step = std::sqrt(2.0) / 2.0;
  step = step / static_cast<double>(n);

  // Small enough for the processor to overlap one block's square roots with the next block's
  // additions, large enough to keep the loop overhead small.
  constexpr std::size_t block = 64;
  // x[0], y[0] start the block's first chord; x[i], y[i] end its i-th chord. Aligned to a
  // cache line, so that the speed does not depend on where the caller's stack happens to end:
  // left to chance, the whole sum measured up to 15% slower.
  alignas(64) std::array<double, block + 1> x{};
  alignas(64) std::array<double, block + 1> y{};
  alignas(64) std::array<double, block> chord{};
  x[0] = 0.0;
  y[0] = std::sqrt(1.0 - x[0] * x[0]);
  double x_last = x[0];     // the abscissa, accumulated by repeated addition
  std::size_t pending = 0;  // chords of the previous block not yet added to the sum

  // One pass per block, and one more that adds the last block's chords.
  const auto chords = static_cast<std::size_t>(n);
  for (std::size_t done = 0; done < chords || pending > 0;) {
    const std::size_t count = std::min(block, chords - done);
    // The two chains of dependent additions, this block's abscissae and the previous block's
    // chords in increasing x, share one loop so that they run side by side.
    if (count == pending) {
      for (std::size_t i = 0; i < count; ++i) {
        x_last = x_last + step;  // never i * step: its rounding shows in the last digits
        x[i + 1] = x_last;
        sum = chord[i] + sum;
      }
    } else {  // the first block, a short last block, and the pass after the last block
      for (std::size_t i = 0; i < count; ++i) {
        x_last = x_last + step;
        x[i + 1] = x_last;
      }
      for (std::size_t i = 0; i < pending; ++i) {
        sum = chord[i] + sum;
      }
    }
    // Independent across chords. The points come first, in a loop of their own: each chord
    // needs its neighbour's y, which a single loop could not compute a vector at a time.
    for (std::size_t i = 1; i <= count; ++i) {
      y[i] = std::sqrt(1.0 - x[i] * x[i]);
    }
    for (std::size_t i = 0; i < count; ++i) {
      const double dx = x[i + 1] - x[i];
      const double dy = y[i + 1] - y[i];
      chord[i] = std::sqrt(dx * dx + dy * dy);
    }
    x[0] = x[count];
    y[0] = y[count];
    pending = count;
    done += count;
  }
  return sum;
}

}  // namespace

// Callers in other files reach the clones through this plain function: clang 14 would link
// their calls to the clone selector itself rather than to the clone it selects.
NOT_INLINED double octant_arc_length(std::int32_t n) { return chord_sum(n); }
