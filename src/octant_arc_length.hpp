// Length of a polygon inscribed in one eighth of the unit circle, in binary64.
#pragma once

#include <cstdint>

// Sum of the n chords that join the points (x, sqrt(1 - x*x)) for x from 0 to sqrt(2)/2 in n
// equal steps: the arc from (0, 1) to (sqrt(2)/2, sqrt(2)/2), whose length is pi/4. Every
// operation rounds to binary64 on its own in one fixed order, so a given n yields the same bits
// on every conforming implementation. Returns 0.0 when n < 1.
double octant_arc_length(std::int32_t n);

// The instruction set that octant_arc_length uses on this processor: "avx512f" (x86-64 only),
// "avx2" or "sse2" on x86, "serial" elsewhere. Every one gives the same bits.
const char* octant_arc_length_path();
