// Linked with the program's main: sets the buffering of standard output (OCTANT_PI_BUFFERING,
// _IOLBF or _IONBF) before main writes, as a terminal's line buffering or an unbuffered stream
// would have it. A failed write must be reported however the lines reach the device.
#include <cstdio>

namespace {
[[maybe_unused]] const int buffering_set =
    std::setvbuf(stdout, nullptr, OCTANT_PI_BUFFERING, BUFSIZ);
}  // namespace
