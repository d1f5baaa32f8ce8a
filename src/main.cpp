// octant_pi: prints twenty estimates of pi from inscribed polygons of 5000 to 100000 chords,
// then waits for one character on standard input.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "octant_arc_length.hpp"

int main() {
  for (std::int32_t i = 1; i <= 20; ++i) {
    const std::int32_t count = 5000 * i;
    const double pi = octant_arc_length(count) * 4.0;  // exact: 4.0 is a power of two
    std::printf("count=%10d  pi=%16.13f \n", static_cast<int>(count), pi);
  }
  // A pipe or file holds the lines in its buffer: flush before the wait, both so that a reader
  // sees all twenty lines while the program waits and so that a failed write shows up here.
  // The stream's error flag records every failed write, also those of the printf calls; some C
  // runtimes (wine's msvcrt) set it while fflush returns 0.
  std::fflush(stdout);
  if (std::ferror(stdout) != 0) {
    std::fprintf(stderr, "octant_pi: cannot write to standard output: %s\n", std::strerror(errno));
    return 1;
  }
  std::getchar();  // any character, end of file or a read error ends the wait
  return 0;
}
