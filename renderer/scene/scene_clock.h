#pragma once
#include <cstdint>

namespace vantrel {

// The scene's clock from raw counter readings the caller takes (the
// performance counter, and the millisecond tick count as the fallback).
class SceneClock {
 public:
  // frequency in counts per second; 0 switches to the millisecond ticks.
  void start(std::int64_t frequency, std::int64_t count, std::uint32_t tickMs);
  // Advances to the current readings: elapsedSeconds and frameDelta.
  void tick(std::int64_t count, std::uint32_t tickMs);

  float elapsedSeconds() const { return elapsed_; }
  float frameDelta() const { return delta_; }
  bool usesTicks() const { return frequency_ <= 0; }

 private:
  std::int64_t frequency_ = 0;
  std::int64_t startCount_ = 0;
  std::uint32_t startTick_ = 0;
  float elapsed_ = 0.0f;
  float delta_ = 0.0f;
};

}  // namespace vantrel
