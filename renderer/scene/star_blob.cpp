#include "renderer/scene/star_blob.h"

#include <cmath>

#include "renderer/scene/approx_length.h"
#include "renderer/scene/scene_clock.h"

namespace vantrel {

float starChannel(float phase, double elapsedSeconds, float speed) {
  const float twoPi = 6.2831855f;
  if (elapsedSeconds < kFloatClockLimit) {
    const float seconds = static_cast<float>(elapsedSeconds);
    return 0.5f + 0.25f * std::sin(twoPi * (phase / 16384.0f +
                                            seconds * speed / 16384.0f));
  }
  // Whole cycles dropped in double, so the float keeps its fine steps.
  const float cycle = static_cast<float>(
      std::fmod(elapsedSeconds * static_cast<double>(speed), 16384.0));
  return 0.5f + 0.25f * std::sin(twoPi * (phase / 16384.0f + cycle / 16384.0f));
}

StarBlob starBlob(const StarParticle& star, float screenX, float screenY,
                  int screenWidth, int screenHeight, double elapsedSeconds,
                  float speed) {
  const float w = static_cast<float>(screenWidth);
  const float prevX = w * star.px / star.pz + static_cast<float>(screenWidth / 2);
  const float prevY =
      w * star.py / star.pz + static_cast<float>(screenHeight / 2);
  StarBlob blob;
  blob.r = starChannel(star.phaseR, elapsedSeconds, speed);
  blob.g = starChannel(star.phaseG, elapsedSeconds, speed);
  blob.b = starChannel(star.phaseB, elapsedSeconds, speed);
  const float dx = screenX - prevX;
  const float dy = screenY - prevY;
  blob.centerX = (static_cast<double>(screenX) + prevX) / 2.0;
  blob.centerY = (static_cast<double>(screenY) + prevY) / 2.0;
  float stretch = approxLength(dx, dy) * 0.75f;
  if (stretch > 1.0f) {
    blob.rotated = true;
    blob.angleDegrees = std::atan2(static_cast<double>(dy), static_cast<double>(dx)) *
                        57.29577951308232;
  } else {
    stretch = 1.0f;
    blob.rotated = false;
    blob.angleDegrees = 0.0;
  }
  blob.scaleX = 1000.0f * stretch / star.z;
  blob.scaleY = 1000.0f / star.z;
  return blob;
}

}  // namespace vantrel
