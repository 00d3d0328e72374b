#pragma once
#include <cstdint>

namespace vantrel {

// The scene's one random generator: a linear congruential generator whose
// draws are bits 16 to 30 of the state, 0 to 32767. The caller seeds it.
class SceneRandom {
 public:
  explicit SceneRandom(std::uint32_t seed = 0) : state_(seed) {}
  void seed(std::uint32_t seed) { state_ = seed; }
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_;
};

}  // namespace vantrel
