// Rounding to the nearest whole number with a half going to the even
// neighbour, independent of the floating-point environment's mode.
#pragma once

#include <cmath>

namespace vantrel {

inline double roundHalfEven(double v) {
  const double below = std::floor(v);
  const double fraction = v - below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) return below + 1.0;
  return below;
}

}  // namespace vantrel
