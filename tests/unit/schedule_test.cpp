// octant_arc_length computes its chords a pack at a time, with exact shortcuts for the abscissae
// and the sum; the plain transcription computes them one by one. Both must give the same bits
// for every count, whatever the binade edges, the ties, the last short pack, or the kernel that
// this processor gets.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "bits.hpp"
#include "octant_arc_length.hpp"
#include "plain_octant_arc_length.hpp"

namespace {

void expect_same_as_plain(std::int32_t n) {
  EXPECT_EQ(hex_of(octant_arc_length(n)), hex_of(plain_octant_arc_length(n))) << "n = " << n;
}

TEST(Kernels, MatchPlainForEveryCountFrom4097To4200) {
  // Past the independent values' every count up to 4096: every length of the last short pack,
  // for every width, in the binades of the larger counts.
  for (std::int32_t n = 4097; n <= 4200; ++n) {
    expect_same_as_plain(n);
  }
}

TEST(Kernels, MatchPlainAroundLargePowersOfTwo) {
  for (std::int32_t base : {1 << 17, 1 << 20}) {
    for (std::int32_t n : {base - 1, base, base + 1}) {
      expect_same_as_plain(n);
    }
  }
}

// 1576408778 > 2^30, so 2 * n leaves 32 bits, and its step is a tie in [0.5, 1).
TEST(Kernels, MatchPlainForACountAbove2To30) {
#if defined(OCTANT_PI_EMULATED)
  const bool emulated = true;
#else
  const bool emulated = std::getenv("OCTANT_PI_EMULATED") != nullptr;
#endif
  if (emulated) {
    GTEST_SKIP() << "1.6e9 chords take seconds natively and too long under an emulator";
  }
  expect_same_as_plain(1576408778);
}

// The kernel that this run reaches must be the one it was set up for, or the tests above would
// check the same kernel several times and never the others.
TEST(VectorPath, IsTheOneThisRunExpects) {
  const char* expected = std::getenv("OCTANT_PI_EXPECTED_PATH");
  if (expected == nullptr || *expected == '\0') {
    GTEST_SKIP() << "no kernel expected for this build; this run takes "
                 << octant_arc_length_path();
  }
  EXPECT_EQ(std::string(octant_arc_length_path()), expected);
}

}  // namespace
