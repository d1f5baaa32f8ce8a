// Each kernel computes its chords a pack at a time, with exact shortcuts for the abscissae and the
// sum; the plain transcription computes them one by one. Both must give the same bits for every
// count, whatever the binade edges, the ties, the last short pack, or the kernel's width.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "bits.hpp"
#include "kernel_test.hpp"
#include "octant_arc_length.hpp"
#include "plain_octant_arc_length.hpp"

namespace {

// 1576408778 > 2^30, so 2 * n leaves 32 bits, and its step is a tie in [0.5, 1). Its 1.6e9
// chords take the plain transcription seconds, so its result is recorded here, as the plain
// transcription of tests/oracle computed it, and checked against it again by a test of its own.
constexpr std::int32_t above_2_to_30 = 1576408778;
constexpr std::uint64_t plain_above_2_to_30 = 0x3fe921fb40cf52deULL;

// 1.6e9 chords take seconds natively, natively under wine too, but too long under an emulator.
bool emulated() {
#if defined(OCTANT_PI_EMULATED)
  return true;
#else
  return std::getenv("OCTANT_PI_EMULATED") != nullptr;
#endif
}
constexpr const char* too_long =
    "1.6e9 chords take seconds natively and too long under an emulator";

TEST_P(Kernel, MatchesPlainForEveryCountFrom4097To4200) {
  // Past the independent values' every count up to 4096: every length of the last short pack,
  // for every width, in the binades of the larger counts.
  for (std::int32_t n = 4097; n <= 4200; ++n) {
    EXPECT_EQ(hex_of(estimate(n)), hex_of(plain_octant_arc_length(n))) << name() << ", n = " << n;
  }
}

TEST_P(Kernel, MatchesPlainAroundLargePowersOfTwo) {
  for (std::int32_t base : {1 << 17, 1 << 20}) {
    for (std::int32_t n : {base - 1, base, base + 1}) {
      EXPECT_EQ(hex_of(estimate(n)), hex_of(plain_octant_arc_length(n))) << name() << ", n = " << n;
    }
  }
}

TEST_P(Kernel, MatchesPlainForACountAbove2To30) {
  if (emulated()) {
    GTEST_SKIP() << too_long;
  }
#if !defined(__OPTIMIZE__)
  // Unoptimized (a Debug build), a narrower kernel takes up to a minute for it.
  if (name() != octant_arc_length_path()) {
    GTEST_SKIP() << "an unoptimized build counts 1.6e9 chords with the kernel it takes alone";
  }
#endif
  EXPECT_EQ(hex_of(estimate(above_2_to_30)), hex(plain_above_2_to_30)) << name();
}

TEST(PlainTranscription, GivesItsRecordedValueForACountAbove2To30) {
  if (emulated()) {
    GTEST_SKIP() << too_long;
  }
  EXPECT_EQ(hex_of(plain_octant_arc_length(above_2_to_30)), hex(plain_above_2_to_30));
}

}  // namespace
