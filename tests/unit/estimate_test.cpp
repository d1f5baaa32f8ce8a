// The estimates that let a kernel skip a chord's root: their error against the bound proven in
// docs/one_root.md, for the seed of each width, and the claim the kernels rely on, that where an
// estimate decides a chord c = RN(sqrt(q)), c rounds to the estimate's r on the sum's grid and is
// no tie. Over random chords of every step size, and over chords placed within a few units of
// their last place of a midpoint of the grid, where a bound too small would show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "kernel_test.hpp"

namespace {

// The proven bound on |offset/2 - (sqrt(q) - r)|, as rho sqrt(q) + 2^-53 h: rho for the seed of
// each width (docs/one_root.md: 2^-66.41 for VRSQRT14PD, 2^-63.43 for VRSQRTPS on a float).
double rho_of(const std::string& kernel) { return std::exp2(kernel == "avx512f" ? -66.4 : -63.4); }

// A double from the top 53 bits of a 64-bit draw, in [0, 1): the same on every platform, unlike
// std::uniform_real_distribution.
double unit(std::mt19937_64& bits) { return static_cast<double>(bits() >> 11) * 0x1p-53; }

double binade_of(double x) { return std::exp2(std::floor(std::log2(x))); }

// The kernels that estimate chords' roots; the others take every root.
std::vector<octant_arc_length_kernel> estimating_kernels() {
  std::vector<octant_arc_length_kernel> estimating;
  std::copy_if(octant_arc_length_kernels().begin(), octant_arc_length_kernels().end(),
               std::back_inserter(estimating),
               [](const octant_arc_length_kernel& k) { return k.estimate_chord != nullptr; });
  return estimating;
}

class Estimates : public Kernel {};

TEST_P(Estimates, StayWithinTheirBoundAndDecideOnlyWhatTheRootWouldGive) {
  const auto estimate_chord = GetParam().estimate_chord;
  const double rho = rho_of(name());
  std::mt19937_64 bits(20261210);
  int decided = 0;
  int near_midpoint = 0;
  constexpr int samples = 400000;
  for (int i = 0; i < samples; ++i) {
    // A step d between 2^-32 and 2^-10, a slope up to 1 (the chords of the octant), and a sum
    // at least as large as where the kernels take estimates at all, up to 0.5.
    const double d = std::exp2(-10.0 - 22.0 * unit(bits));
    const double dy = d * unit(bits);
    double q = d * d + dy * dy;
    const double low = std::fmin(0.5, binade_of(d * 0x1p11 * std::exp2(12.0 * unit(bits))));
    const double h = low * 0x1p-53;
    if (i % 2 == 1) {
      // Moved to within a few units of c's last place of the midpoint above its grid point
      // (rounding q back loses a little of that).
      const double c = std::sqrt(q);
      const double r = (low + c) - low;
      const double c_ulp = binade_of(c) * 0x1p-52;
      const double moved = r + h + static_cast<double>(static_cast<int>(bits() % 9) - 4) * c_ulp;
      q = moved * moved;
      ++near_midpoint;
    }
    const octant_arc_length_estimate e = estimate_chord(q, d, low);
    const double c = std::sqrt(q);
    // sqrt(q) - c from the exact residual q - c^2 (exact for the rounded root).
    const double beyond_c = std::fma(-c, c, q) / (c + c);
    const double error = (e.offset / 2.0 - (c - e.rounded)) - beyond_c;
    ASSERT_LE(std::fabs(error), rho * c + 0x1p-53 * h + 0x1p-100 * c)
        << name() << ": q = " << std::hexfloat << q << ", sum_low = " << low;
    if (e.decides) {
      ++decided;
      ASSERT_EQ((low + c) - low, e.rounded) << name() << ": q = " << std::hexfloat << q;
      ASSERT_LT(std::fabs(c - e.rounded), h) << name() << ": q = " << std::hexfloat << q;
    }
  }
  // Most chords are decided, even among those placed near a midpoint, so that the claims above
  // were tested.
  EXPECT_GT(decided, samples / 2);
  EXPECT_EQ(near_midpoint, samples / 2);
}

INSTANTIATE_TEST_SUITE_P(Every, Estimates, testing::ValuesIn(estimating_kernels()), kernel_name);
// A build without such kernels (no x86, or one kernel without FMA) has no instance.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Estimates);

}  // namespace
