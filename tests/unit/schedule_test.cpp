// octant_arc_length computes its chords in blocks and vector loops; the plain transcription
// computes them one by one. Both must give the same bits for every count, whatever the block
// edges, the remainder of the last block, or the vector unit that the processor selected.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "bits.hpp"
#include "octant_arc_length.hpp"
#include "plain_octant_arc_length.hpp"

namespace {

void expect_same_as_plain(std::int32_t n) {
  EXPECT_EQ(hex_of(octant_arc_length(n)), hex_of(plain_octant_arc_length(n))) << "n = " << n;
}

TEST(BlockedSchedule, MatchesPlainForEveryCountUpTo4200) {
  // Every remainder of the last block, every number of whole blocks up to 65, with or without a
  // short last block.
  for (std::int32_t n = 1; n <= 4200; ++n) {
    expect_same_as_plain(n);
  }
}

TEST(BlockedSchedule, MatchesPlainForTheTwentyDriverCounts) {
  for (std::int32_t i = 1; i <= 20; ++i) {
    expect_same_as_plain(5000 * i);
  }
}

TEST(BlockedSchedule, MatchesPlainAroundLargePowersOfTwo) {
  for (std::int32_t base : {1 << 17, 1 << 20}) {
    for (std::int32_t n : {base - 1, base, base + 1}) {
      expect_same_as_plain(n);
    }
  }
}

TEST(BlockedSchedule, MatchesPlainForCountsBelowOne) {
  for (std::int32_t n : {0, -1, -64, -65, std::numeric_limits<std::int32_t>::min()}) {
    expect_same_as_plain(n);
  }
}

// Which clone the loader picks, by the same processor tests that it uses.
std::string vector_path() {
#if defined(OCTANT_PI_VECTOR_CLONES)
  if (__builtin_cpu_supports("avx512f")) {
    return "avx512f";
  }
  if (__builtin_cpu_supports("avx2")) {
    return "avx2";
  }
  return "default";
#else
  return "portable";
#endif
}

// A run under an emulated processor must really reach the path it was set up for, or the bit
// tests above would check the same clone several times.
TEST(VectorPath, IsTheOneThisRunExpects) {
  const char* expected = std::getenv("OCTANT_PI_EXPECTED_PATH");
  if (expected == nullptr) {
    GTEST_SKIP() << "OCTANT_PI_EXPECTED_PATH not set; this run takes the " << vector_path()
                 << " path";
  }
  EXPECT_EQ(vector_path(), expected);
}

}  // namespace
