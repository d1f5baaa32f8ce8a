// The estimator's kernels as test parameters: a TEST_P(Kernel, ...) runs once for each kernel of
// the build, named after it, calls it directly, and is skipped, by name, where the processor does
// not run it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "octant_arc_length_kernels.hpp"

// GoogleTest shows a test's parameter beside its name: the kernel's name, not its bytes.
inline void PrintTo(const octant_arc_length_kernel& kernel, std::ostream* out) {
  *out << kernel.name;
}

class Kernel : public testing::TestWithParam<octant_arc_length_kernel> {
 protected:
  void SetUp() override {
    if (!GetParam().runs_here()) {
      GTEST_SKIP() << GetParam().name << ": this processor does not run it";
    }
  }

  double estimate(std::int32_t n) const { return GetParam().chord_sum(n); }
  std::string name() const { return GetParam().name; }
};

// Names each instance of a test after its kernel.
inline std::string kernel_name(const testing::TestParamInfo<octant_arc_length_kernel>& kernel) {
  return kernel.param.name;
}
