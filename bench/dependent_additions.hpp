// The floor for any schedule of the chord sum that keeps the running sum in order.
#pragma once

#include <cstdint>

// n dependent binary64 additions, each waiting for the one before: what one running sum costs
// per chord with nothing else to do.
double dependent_additions(std::int32_t n);
