#include "renderer/scene/frame_light.h"

#include <cmath>

namespace vantrel {

double sixtiethsIn(float stepSeconds) {
  double sixtieths = 60.0 * static_cast<double>(stepSeconds);
  if (!(sixtieths > 0.0)) return 0.0;  // also NaN
  if (std::fabs(sixtieths - 1.0) <= kSixtiethTolerance) return 1.0;
  const double longest = 60.0 * kLongestLightStep;
  return sixtieths < longest ? sixtieths : longest;
}

FrameLight frameLight(double sixtieths, bool brightColours) {
  FrameLight light;
  if (sixtieths == 1.0) return light;
  light.fadeAlpha = 1.0 - std::pow(11.0 / 12.0, sixtieths);
  if (sixtieths > 1.0 && !brightColours) {
    light.passes = static_cast<int>(std::ceil(sixtieths));
  }
  light.lightScale = static_cast<float>(sixtieths / light.passes);
  return light;
}

float litChannel(float value, const FrameLight& light) {
  const float clamped = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
  return light.lightScale == 1.0f ? clamped : clamped * light.lightScale;
}

}  // namespace vantrel
