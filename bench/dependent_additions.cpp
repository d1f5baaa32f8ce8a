#include "dependent_additions.hpp"

#include <cmath>

// Kept in its own file so that the compiler cannot see the calls' constant counts and fold the
// loop; without reassociation it cannot split the chain either.
double dependent_additions(std::int32_t n) {
  double step = std::sqrt(2.0) / 2.0;
  step = step / static_cast<double>(n);
  double x = 0.0;
  for (std::int32_t k = 0; k < n; ++k) {
    x = x + step;
  }
  return x;
}
