#pragma once
// The Linux program's clock readings, shared by its X11 and Wayland parts.
#include <time.h>

#include <cstdint>

#include "renderer/scene/scene_clock.h"

namespace vantrel {

// Seconds on a POSIX clock (CLOCK_MONOTONIC, CLOCK_PROCESS_CPUTIME_ID).
double clockSeconds(clockid_t clock);

// The monotonic clock as the scene clock takes it.
std::int64_t monotonicNanoseconds();
std::uint32_t monotonicMilliseconds();

// Counts a second of monotonicReading's count.
constexpr std::int64_t kMonotonicCountsPerSecond = 1000000000;
// Both readings at once, for SceneClock.
ClockReading monotonicReading();

}  // namespace vantrel
