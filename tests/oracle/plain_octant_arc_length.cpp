// Polygon length of the unit circle's first octant, one chord per pass: each point, then its
// chord, then the running sum, exactly in the order in which the operations are defined.
#include "plain_octant_arc_length.hpp"

#include <cmath>

#include "binary64.hpp"

double plain_octant_arc_length(std::int32_t n) {
  double sum = 0.0;
  // Two separate roundings: sqrt(2)/2 first, then the division by n.
  double step = std::sqrt(2.0) / 2.0;
  step = step / static_cast<double>(n);  // n <= 0: +-inf or NaN, never used since the loop is empty
  double x_prev = 0.0;
  double y_prev = std::sqrt(1.0 - x_prev * x_prev);
  double x = x_prev;
  // Counting up from 0 to n - 1 runs n passes like k = 1 ... n, without overflowing at INT32_MAX.
  for (std::int32_t k = 0; k < n; ++k) {
    x = x + step;  // accumulated, not k * step: its rounding shows in the last digits
    const double y = std::sqrt(1.0 - x * x);
    const double dx = x - x_prev;
    const double dy = y - y_prev;
    sum = std::sqrt(dx * dx + dy * dy) + sum;  // one chord at a time, in increasing x
    x_prev = x;
    y_prev = y;
  }
  return sum;
}
