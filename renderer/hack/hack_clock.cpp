#include "renderer/hack/hack_clock.h"

namespace vantrel {

double clockSeconds(clockid_t clock) {
  timespec now = {};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

std::int64_t monotonicNanoseconds() {
  timespec now = {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::uint32_t monotonicMilliseconds() {
  return static_cast<std::uint32_t>(monotonicNanoseconds() / 1000000);
}

ClockReading monotonicReading() {
  const std::int64_t nanoseconds = monotonicNanoseconds();
  return ClockReading{nanoseconds,
                      static_cast<std::uint32_t>(nanoseconds / 1000000)};
}

}  // namespace vantrel
