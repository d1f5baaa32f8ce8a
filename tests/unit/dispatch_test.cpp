// Which kernels the build holds, and which one octant_arc_length takes on the processor that runs
// the test: the widest that the processor and the operating system support. The build tells the
// test what to expect (tests/unit/CMakeLists.txt), the kernels at compile time and the processor
// in OCTANT_PI_EXPECTED_PATH; where it cannot know, the test is skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "octant_arc_length.hpp"
#include "octant_arc_length_kernels.hpp"

namespace {

// The value of the environment variable VARIABLE, or "" where it is not set.
std::string expected(const char* variable) {
  const char* value = std::getenv(variable);
  return value == nullptr ? "" : value;
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
    names += (names.empty() ? "" : ",") + std::string(kernel.name);
  }
  EXPECT_EQ(names, wanted);
}

// The widest kernel that runs here is taken, and every narrower one runs here too: each width's
// instruction set holds the narrower ones'.
TEST(Dispatch, TakesTheWidestKernelThatRunsHere) {
  const std::string wanted = expected("OCTANT_PI_EXPECTED_PATH");
  if (wanted.empty()) {
    GTEST_SKIP() << "no kernel expected for this build; this run takes "
                 << octant_arc_length_path();
  }
  EXPECT_EQ(octant_arc_length_path(), wanted);
  bool reached = false;
  for (const octant_arc_length_kernel& kernel : octant_arc_length_kernels()) {
    reached = reached || kernel.name == wanted;
    EXPECT_EQ(kernel.runs_here, reached) << kernel.name;
  }
}

}  // namespace
