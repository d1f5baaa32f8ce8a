// Times octant_arc_length over the program's twenty counts without Google Benchmark, so that it
// builds and runs wherever the program does (the Windows programs under wine, say): prints the
// kernel and the median nanoseconds per chord of 31 runs.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "octant_arc_length.hpp"

int main() {
  constexpr std::int32_t base_count = 5000;
  constexpr std::int32_t runs = 20;
  constexpr double chords = double{base_count} * runs * (runs + 1) / 2;
  std::vector<double> ns_per_chord;
  volatile double sink = 0.0;  // keeps the calls from being dropped
  for (int repetition = 0; repetition < 31; ++repetition) {
    const auto start = std::chrono::steady_clock::now();
    for (std::int32_t i = 1; i <= runs; ++i) {
      sink = sink + octant_arc_length(base_count * i);
    }
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    ns_per_chord.push_back(took.count() / chords);
  }
  std::sort(ns_per_chord.begin(), ns_per_chord.end());
  std::printf("%s %.3f\n", octant_arc_length_path(), ns_per_chord[ns_per_chord.size() / 2]);
  return 0;
}
