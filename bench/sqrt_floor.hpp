// A square-root floor (sqrt_floor.cpp), which the build compiles once per x86-64 vector width and
// code placement, each under its own name.
#pragma once

#include <cstdint>

double sqrt_floor(std::int64_t chords);
double one_root_floor(std::int64_t chords);
