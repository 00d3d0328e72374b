#pragma once
// The Linux program's clock readings, shared by its X11 and Wayland parts.
#include <time.h>

#include <cstdint>

namespace vantrel {

// Seconds on a POSIX clock (CLOCK_MONOTONIC, CLOCK_PROCESS_CPUTIME_ID).
double clockSeconds(clockid_t clock);

// The monotonic clock as the scene clock takes it.
std::int64_t monotonicNanoseconds();
std::uint32_t monotonicMilliseconds();

}  // namespace vantrel
