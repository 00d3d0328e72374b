#pragma once

namespace vantrel {

// A square-root-free stand-in for the length of (a, b): max + 0.3125 * min,
// evaluated in the order the drawing has always used.
inline float approxLength(float a, float b) {
  const float absA = a < 0.0f ? -a : a;
  const float absB = b < 0.0f ? -b : b;
  const float m = absA < absB ? absA : absB;
  return (absA + absB) - m * 0.5f - m * 0.25f + m * 0.0625f;
}

}  // namespace vantrel
