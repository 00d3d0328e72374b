#include "renderer/scene/scene_clock.h"

namespace vantrel {

void SceneClock::start(std::int64_t frequency, std::int64_t count,
                       std::uint32_t tickMs) {
  frequency_ = frequency;
  startCount_ = count;
  startTick_ = tickMs;
  elapsed_ = 0.0f;
  delta_ = 0.0f;
}

void SceneClock::tick(std::int64_t count, std::uint32_t tickMs) {
  const float previous = elapsed_;
  long double seconds;
  if (frequency_ > 0) {
    seconds = static_cast<long double>(count - startCount_) /
              static_cast<long double>(frequency_);
  } else {
    // No high-resolution counter: milliseconds since the start, which wrap
    // after 49.7 days like the tick count itself.
    const std::uint32_t ms = tickMs - startTick_;
    seconds = static_cast<long double>(ms) / 1000.0L;
  }
  elapsed_ = static_cast<float>(seconds);
  delta_ = static_cast<float>(seconds - previous);
}

}  // namespace vantrel
