// The screen point (pixels) the settings dialog zooms open from and shut to.
#pragma once

#include <cstdint>

namespace vantrel {

struct ScreenPoint16 {
  std::int16_t X = 0;
  std::int16_t Y = 0;
};

extern ScreenPoint16 AnimPoint;

}  // namespace vantrel
