// The chord sum written out plainly, one chord after another: the reference that the blocked
// octant_arc_length must match bit for bit, and the speed it is measured against.
#pragma once

#include <cstdint>

double plain_octant_arc_length(std::int32_t n);
