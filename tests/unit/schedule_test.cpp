// Each kernel computes its chords a pack at a time, with exact shortcuts for the abscissae and the
// sum; the plain transcription computes them one by one. Both must give the same bits for every
// count, whatever the binade edges, the ties, the last short pack, or the kernel's width.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

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

TEST_P(Kernel, MatchesPlainForEveryCountFrom4097To5000) {
  // Past the independent values' every count up to 4096: every length of the last short pack and
  // chunk, for every width, in the binades of the larger counts, where the estimates start.
  for (std::int32_t n = 4097; n <= 5000; ++n) {
    EXPECT_EQ(hex_of(estimate(n)), hex_of(plain_octant_arc_length(n))) << name() << ", n = " << n;
  }
}

TEST_P(Kernel, MatchesPlainAroundLargePowersOfTwo) {
  for (std::int32_t base : {1 << 13, 1 << 15, 1 << 17, 1 << 20, 1 << 22}) {
    for (std::int32_t n : {base - 1, base, base + 1}) {
      EXPECT_EQ(hex_of(estimate(n)), hex_of(plain_octant_arc_length(n))) << name() << ", n = " << n;
    }
  }
}

// Eight counts drawn log-uniform between 2^13 and 2^27: n = 2^(13 + 14 v), v from the top 53 bits
// of each draw of std::mt19937_64 seeded with 27. With the plain transcription's results,
// recorded as above: together they take it seconds.
struct recorded_count {
  std::int32_t n;
  std::uint64_t plain;
};
constexpr recorded_count random_counts[] = {
    {130543004, 0x3fe921fb53297eb0ULL}, {51144068, 0x3fe921fb54e2c3efULL},
    {126497610, 0x3fe921fb555a2178ULL}, {236207, 0x3fe921fb54447855ULL},
    {8398591, 0x3fe921fb5445330aULL},   {194973, 0x3fe921fb54444c43ULL},
    {745388, 0x3fe921fb54457a80ULL},    {15311533, 0x3fe921fb5449b75bULL}};

// Whether this run leaves the largest counts out for a kernel: under an emulator, and, in an
// unoptimized (Debug) build, where a narrower kernel takes up to a minute for them, for every
// kernel but the one the build takes.
const char* largest_counts_left_out(const std::string& kernel) {
  if (emulated()) {
    return too_long;
  }
#if defined(__OPTIMIZE__)
  static_cast<void>(kernel);
#else
  if (kernel != octant_arc_length_path()) {
    return "an unoptimized build counts 1e8 chords and more with the kernel it takes alone";
  }
#endif
  return nullptr;
}

TEST_P(Kernel, MatchesPlainForRandomCountsUpTo2To27) {
  if (const char* why = largest_counts_left_out(name())) {
    GTEST_SKIP() << why;
  }
  for (const recorded_count& c : random_counts) {
    EXPECT_EQ(hex_of(estimate(c.n)), hex(c.plain)) << name() << ", n = " << c.n;
  }
}

TEST_P(Kernel, MatchesPlainForACountAbove2To30) {
  if (const char* why = largest_counts_left_out(name())) {
    GTEST_SKIP() << why;
  }
  EXPECT_EQ(hex_of(estimate(above_2_to_30)), hex(plain_above_2_to_30)) << name();
}

TEST(PlainTranscription, GivesItsRecordedValuesForTheLargestCounts) {
  if (emulated()) {
    GTEST_SKIP() << too_long;
  }
  EXPECT_EQ(hex_of(plain_octant_arc_length(above_2_to_30)), hex(plain_above_2_to_30));
  for (const recorded_count& c : random_counts) {
    EXPECT_EQ(hex_of(plain_octant_arc_length(c.n)), hex(c.plain)) << "n = " << c.n;
  }
}

}  // namespace
