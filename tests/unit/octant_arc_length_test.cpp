// Bit-for-bit checks of every kernel of octant_arc_length against values recomputed apart from
// it (tests/data/make_expected.py: Python binary64 with an integer-based correctly rounded square
// root; the build turns its expected_bits.txt into the table expected_bits.inc), and which kernels
// the build holds and which one it takes on the processor that runs the test: the widest that the
// processor and the operating system support. The build tells the tests what to expect
// (tests/unit/CMakeLists.txt), the kernels at compile time and the processor in
// OCTANT_PI_EXPECTED_PATH; where it cannot know, the test is skipped.
#include "octant_arc_length.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "bits.hpp"
#include "kernel_test.hpp"
#include "octant_arc_length_kernels.hpp"
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
// and reports each mismatch with its count and the name of what computed it.
template <typename Predicate>
int check_against_table(Predicate wanted, double (*estimate)(std::int32_t),
                        const std::string& who) {
  int checked = 0;
  for (const expected_value& e : expected_values) {
    if (!wanted(e.n)) {
      continue;
    }
    EXPECT_EQ(hex_of(estimate(e.n)), hex(e.bits)) << who << ", n = " << e.n;
    ++checked;
  }
  return checked;
}

bool is_driver_count(std::int32_t n) { return n % 5000 == 0 && n >= 5000 && n <= 100000; }

// The rest of the table: counts whose step is a tie in a large binade of the abscissa.
bool is_tie_count(std::int32_t n) { return n > 4096 && !is_driver_count(n); }

TEST_P(Kernel, MatchesIndependentValuesForEverySmallCount) {
  const int checked =
      check_against_table([](std::int32_t n) { return n <= 4096; }, GetParam().chord_sum, name());
  EXPECT_EQ(checked, 4096);
}

TEST_P(Kernel, MatchesIndependentValuesForTheTwentyDriverCounts) {
  EXPECT_EQ(check_against_table(is_driver_count, GetParam().chord_sum, name()), 20);
}

TEST_P(Kernel, MatchesIndependentValuesWhereTheStepIsATie) {
  EXPECT_EQ(check_against_table(is_tie_count, GetParam().chord_sum, name()), 15);
}

INSTANTIATE_TEST_SUITE_P(Every, Kernel,
                         testing::ValuesIn(octant_arc_length_kernels().begin(),
                                           octant_arc_length_kernels().end()),
                         kernel_name);

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
  const int checked = check_against_table([](std::int32_t) { return true; },
                                          plain_octant_arc_length, "plain transcription");
  EXPECT_EQ(checked, 4096 + 20 + 15);
}

// Every width of the build's processor, unless the configure asked for one kernel: a build that
// lost a kernel would still pass every other test, on the kernels it kept.
TEST(KernelList, HoldsEveryWidthOfTheProcessor) {
  const std::string wanted = OCTANT_PI_EXPECTED_KERNELS;  // from the build: "avx512f,avx2,sse2"
  if (wanted.empty()) {
    GTEST_SKIP() << "one kernel asked for (OCTANT_PI_VECTOR_CLONES=OFF)";
  }
  std::string names;
  for (const octant_arc_length_kernel& kernel : octant_arc_length_kernels()) {
    names += names.empty() ? "" : ",";
    names += kernel.name;
  }
  EXPECT_EQ(names, wanted);
}

// The widest kernel that runs here is taken, and every narrower one runs here too: each width's
// instruction set holds the narrower ones'.
TEST(Dispatch, TakesTheWidestKernelThatRunsHere) {
  const char* path = std::getenv("OCTANT_PI_EXPECTED_PATH");
  const std::string wanted = path == nullptr ? "" : path;
  if (wanted.empty()) {
    GTEST_SKIP() << "no kernel expected for this build; this run takes "
                 << octant_arc_length_path();
  }
  EXPECT_EQ(octant_arc_length_path(), wanted);
  bool reached = false;
  for (const octant_arc_length_kernel& kernel : octant_arc_length_kernels()) {
    reached = reached || kernel.name == wanted;
    EXPECT_EQ(kernel.runs_here(), reached) << kernel.name;
  }
}

}  // namespace
