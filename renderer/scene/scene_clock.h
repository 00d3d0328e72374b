#pragma once
#include <cstdint>

namespace vantrel {

// Below this many seconds the scene runs on the single-precision clock it
// always had, every value to the float. From here on a float would step in
// 1/128 s and coarser, so the clock carries doubles and every periodic use
// reduces its own phase.
constexpr double kFloatClockLimit = 65536.0;

// A raw reading of the platform's clock, as SceneClock takes it: a counter
// of `frequency` counts a second, and the millisecond ticks as fallback.
struct ClockReading {
  std::int64_t count = 0;
  std::uint32_t tickMs = 0;
};

// The scene's clock from raw counter readings the caller takes (the
// performance counter, and the millisecond tick count as the fallback).
class SceneClock {
 public:
  // frequency in counts per second; 0 switches to the millisecond ticks.
  void start(std::int64_t frequency, std::int64_t count, std::uint32_t tickMs);
  // Advances to the current readings: elapsedSeconds and frameDelta.
  void tick(std::int64_t count, std::uint32_t tickMs);

  // Seconds since the start: float values below kFloatClockLimit, then
  // double, continuing the float clock's last value without a jump.
  double elapsedSeconds() const { return elapsed_; }
  float frameDelta() const { return delta_; }
  bool usesTicks() const { return frequency_ <= 0; }

 private:
  long double rawSeconds(std::int64_t count, std::uint32_t tickMs);

  std::int64_t frequency_ = 0;
  std::int64_t startCount_ = 0;
  std::uint32_t lastTick_ = 0;
  std::uint64_t tickTotalMs_ = 0;  // 64 bits: the tick count wraps at 49.7 days
  long double lastRaw_ = 0.0L;
  bool beyondFloat_ = false;
  double bias_ = 0.0;  // float clock minus raw time at the changeover
  double elapsed_ = 0.0;
  float delta_ = 0.0f;
};

}  // namespace vantrel
