// Square-root floors, one per x86-64 vector width (sqrt_floor.cpp).
#pragma once

#include <cstdint>

double sqrt_floor_avx512f(std::int64_t chords);
double sqrt_floor_avx2(std::int64_t chords);
double sqrt_floor_sse2(std::int64_t chords);
