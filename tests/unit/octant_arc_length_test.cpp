// Bit-for-bit checks of octant_arc_length against values recomputed apart from it
// (tests/data/make_expected.py: Python binary64 with an integer-based correctly rounded square
// root; the build turns its expected_bits.txt into the table expected_bits.inc).
#include "octant_arc_length.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

#include "bits.hpp"
#include "plain_octant_arc_length.hpp"

namespace {

struct expected_value {
  std::int32_t n;
  std::uint64_t bits;
};

const expected_value expected_values[] = {
#include "expected_bits.inc"
};

// Compares estimate(n) with the table for every n that `wanted` selects, in the order given,
// and reports each mismatch with its count.
template <typename Predicate>
int check_against_table(Predicate wanted, double (*estimate)(std::int32_t) = octant_arc_length) {
  int checked = 0;
  for (const expected_value& e : expected_values) {
    if (!wanted(e.n)) {
      continue;
    }
    const std::uint64_t got = bits_of(estimate(e.n));
    EXPECT_EQ(hex(got), hex(e.bits)) << "n = " << e.n;
    ++checked;
  }
  return checked;
}

const expected_value& table_entry(std::int32_t n) {
  for (const expected_value& e : expected_values) {
    if (e.n == n) {
      return e;
    }
  }
  throw std::out_of_range("no expected value for this n");
}

bool is_driver_count(std::int32_t n) { return n % 5000 == 0 && n >= 5000 && n <= 100000; }

// The rest of the table: counts whose step is a tie in a large binade of the abscissa.
bool is_tie_count(std::int32_t n) { return n > 4096 && !is_driver_count(n); }

TEST(OctantArcLength, SingleChordJoinsTheArcEnds) {
  // n = 1: the chord from (0, 1) to (sqrt(2)/2, sqrt(2)/2), about 0.3902 (2 sin(pi/16)).
  EXPECT_EQ(hex_of(octant_arc_length(1)), hex(table_entry(1).bits));
}

TEST(OctantArcLength, MatchesIndependentValuesForEverySmallCount) {
  const int checked = check_against_table([](std::int32_t n) { return n <= 4096; });
  EXPECT_EQ(checked, 4096);
}

TEST(OctantArcLength, MatchesIndependentValuesForTheTwentyDriverCounts) {
  const int checked = check_against_table(is_driver_count);
  EXPECT_EQ(checked, 20);
}

TEST(OctantArcLength, MatchesIndependentValuesWhereTheStepIsATie) {
  const int checked = check_against_table(is_tie_count);
  EXPECT_EQ(checked, 15);
}

TEST(OctantArcLength, NoStateCarriesOverBetweenCalls) {
  // Descending, and each driver count right after a small one: a cache or a leftover
  // abscissa from the previous call would change the bits.
  const std::vector<std::int32_t> order = {100000, 3, 50000, 4096, 5000, 1, 95000, 100000};
  for (std::int32_t n : order) {
    EXPECT_EQ(hex_of(octant_arc_length(n)), hex(table_entry(n).bits)) << "n = " << n;
  }
}

TEST(OctantArcLength, CountsBelowOneGivePositiveZero) {
  // The loop does not run, so the sum keeps its starting value +0.0: not -0.0, not NaN from the
  // infinite or negative step.
  for (std::int32_t n : {0, -1, -2, -4096, -100000, std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(hex_of(octant_arc_length(n)), hex(0)) << "n = " << n;
  }
}

// The plain transcription is the oracle of the schedule tests; it must agree with the
// independent values first.
TEST(PlainTranscription, MatchesIndependentValues) {
  const int checked =
      check_against_table([](std::int32_t) { return true; }, plain_octant_arc_length);
  EXPECT_EQ(checked, 4096 + 20 + 15);
}

}  // namespace
