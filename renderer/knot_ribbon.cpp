#include "renderer/knot_ribbon.h"

#include <cmath>

namespace vantrel {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

double ribbonPhase(float elapsedSeconds, float speed) {
  // The rate is kept as a float, as it always was; the phase is double.
  const float rate = static_cast<float>(speed * kTwoPi / 16384.0);
  return static_cast<double>(elapsedSeconds) * static_cast<double>(rate);
}

float ribbonPulse(double phi) {
  return static_cast<float>(
      (std::cos(7.0 * phi) + std::cos(3.0 * phi) + std::cos(13.0 * phi)) /
          6.0 +
      1.6);
}

void KnotRibbon::update(float elapsedSeconds, float speed, GlowPass glowPass,
                        void* context) {
  dimColours();
  if (glowPass != nullptr) glowPass(*this, context);
  computeShape(elapsedSeconds, speed);
}

void KnotRibbon::dimColours() {
  for (RibbonPoint& p : points) {
    p.r = p.r * 0.5f;
    p.g = p.g * 0.5f;
    p.b = p.b * 0.5f;
  }
}

void KnotRibbon::computeShape(float elapsedSeconds, float speed) {
  const double phi = ribbonPhase(elapsedSeconds, speed);
  const float pulse = ribbonPulse(phi);
  const float radius = 250.0f * pulse;
  const float depthSwing = 1250.0f * pulse;
  // The drift does not depend on the point, so it is computed once.
  const double driftX = 200.0 * std::cos(3.0 * phi);
  const double driftY = 200.0 * std::sin(2.0 * phi);
  for (int i = 0; i < kPointCount; ++i) {
    RibbonPoint& p = points[i];
    const double a = i * kTwoPi / kPointCount;
    p.x = static_cast<float>(radius * std::cos(11.0 * (3.0 * phi + a)));
    p.y = static_cast<float>(radius * std::sin(12.0 * (4.0 * phi + a)));
    p.z = static_cast<float>(2200.0 -
                             depthSwing * std::cos(23.0 * (12.0 * phi + a)));
    p.r = static_cast<float>((std::sin(17.0 * (a + phi)) +
                              std::cos(5.0 * (3.0 * phi + a)) + 0.5) *
                                 0.125 +
                             0.0078125);
    p.g = static_cast<float>((std::sin(a + phi) + 0.5) * 0.125 + 0.0078125);
    p.b = static_cast<float>((std::cos(7.0 * (a + phi)) + 0.5) * 0.125 +
                             0.0078125);

    // The twist grows by 85.01 radians along the loop, which opens it.
    const double theta = 2.501 * phi + i * 85.01 / kPointCount;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double x = p.x;
    const double y = p.y;
    p.x = static_cast<float>(x * c - y * s);
    p.y = static_cast<float>(y * c + x * s);

    p.x = static_cast<float>(p.x + driftX);
    p.y = static_cast<float>(p.y + driftY);
  }
}

}  // namespace vantrel
