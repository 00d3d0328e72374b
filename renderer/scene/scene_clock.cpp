#include "renderer/scene/scene_clock.h"

namespace vantrel {

void SceneClock::start(std::int64_t frequency, std::int64_t count,
                       std::uint32_t tickMs) {
  frequency_ = frequency;
  startCount_ = count;
  lastTick_ = tickMs;
  tickTotalMs_ = 0;
  lastRaw_ = 0.0L;
  beyondFloat_ = false;
  bias_ = 0.0;
  elapsed_ = 0.0;
  delta_ = 0.0f;
}

long double SceneClock::rawSeconds(std::int64_t count, std::uint32_t tickMs) {
  if (frequency_ > 0) {
    return static_cast<long double>(count - startCount_) /
           static_cast<long double>(frequency_);
  }
  // No high-resolution counter: milliseconds since the start, summed from
  // wrapping 32-bit differences so the clock never runs back to 0.
  tickTotalMs_ += static_cast<std::uint32_t>(tickMs - lastTick_);
  lastTick_ = tickMs;
  return static_cast<long double>(tickTotalMs_) / 1000.0L;
}

void SceneClock::tick(std::int64_t count, std::uint32_t tickMs) {
  const double previous = elapsed_;
  const long double seconds = rawSeconds(count, tickMs);
  if (!beyondFloat_ && seconds >= kFloatClockLimit) {
    // Carry on from the float clock's last value, so the first step past
    // the limit is the real time between the frames.
    beyondFloat_ = true;
    bias_ = static_cast<double>(static_cast<long double>(previous) - lastRaw_);
  }
  lastRaw_ = seconds;
  if (beyondFloat_) {
    elapsed_ = static_cast<double>(seconds + bias_);
    delta_ = static_cast<float>(elapsed_ - previous);
  } else {
    elapsed_ = static_cast<float>(seconds);
    delta_ = static_cast<float>(seconds - previous);
  }
}

}  // namespace vantrel
