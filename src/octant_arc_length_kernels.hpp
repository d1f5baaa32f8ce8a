// The estimator's kernels, one per instruction set, for its tests and its benchmark to call each
// directly; the program calls octant_arc_length alone.
#pragma once

#include <cstddef>
#include <cstdint>

// A chord's root as a kernel estimates it instead of taking it: r, the multiple of
// u = 2^-52 sum_low that it rounds sqrt(q) to; offset ~ 2 (sqrt(q) - r); and whether the kernel
// takes r for the chord, in a walk whose step is d (docs/one_root.md).
struct octant_arc_length_estimate {
  double rounded;
  double offset;
  bool decides;
};

struct octant_arc_length_kernel {
  const char* name;  // as octant_arc_length_path() reports it: "avx512f", "avx2", "sse2", "serial"
  bool (*runs_here)();  // whether the processor and the operating system run its instructions
  double (*chord_sum)(std::int32_t n);  // octant_arc_length(n) for n >= 1, the same bits
  // For the kernels that estimate chords' roots, nullptr for the others.
  octant_arc_length_estimate (*estimate_chord)(double q, double d, double sum_low);
};

// The kernels, in an array of the estimator's that lives as long as the program.
class octant_arc_length_kernel_list {
 public:
  octant_arc_length_kernel_list(const octant_arc_length_kernel* first, std::size_t size)
      : first_(first), size_(size) {}
  [[nodiscard]] const octant_arc_length_kernel* begin() const { return first_; }
  [[nodiscard]] const octant_arc_length_kernel* end() const { return first_ + size_; }

 private:
  const octant_arc_length_kernel* first_;
  std::size_t size_;
};

// This build's kernels, widest first: octant_arc_length takes the first that runs here.
octant_arc_length_kernel_list octant_arc_length_kernels();
