// Prints the bit pattern of octant_arc_length(n) for each count n that it reads from standard
// input, as "n 0x<16 hex digits>" lines: the format of tests/data/expected_bits.txt, whose first
// column is all it reads, so that `print_bits < expected_bits.txt` must reproduce that file.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "octant_arc_length.hpp"

int main() {
  std::int32_t n = 0;
  while (std::scanf("%" SCNd32 "%*[^\n]", &n) == 1) {
    const double length = octant_arc_length(n);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &length, sizeof bits);
    std::printf("%" PRId32 " 0x%016" PRIx64 "\n", n, bits);
  }
  return 0;
}
