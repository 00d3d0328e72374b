#pragma once
// The ribbon's shape by the direct double-precision evaluation of its
// formulas, nine sines and cosines a point, as the update once computed it:
// the measure the update is held to, and the "before" of its benchmarks.
#include <cmath>

#include "renderer/scene/knot_ribbon.h"

namespace vantrel {

// One point, and each value just before it was rounded to float.
struct DirectPoint {
  float x, y, z, r, g, b;
  double x0, y0;      // before the twist
  double xt, yt;      // after the twist
  double xd, yd;      // after the drift (x and y)
  double zd, rd, gd, bd;
};

// What a frame shares between its points.
struct DirectFrame {
  double phi;
  float radius, depthSwing;
  double driftX, driftY;
};

inline DirectFrame directFrame(float elapsedSeconds, float speed) {
  const double phi = ribbonPhase(elapsedSeconds, speed);
  const float pulse = ribbonPulse(phi);
  return {phi, 250.0f * pulse, 1250.0f * pulse, 200.0 * std::cos(3.0 * phi),
          200.0 * std::sin(2.0 * phi)};
}

inline DirectPoint directPoint(const DirectFrame& f, int i) {
  constexpr double kTwoPi = 6.283185307179586;
  const double phi = f.phi;
  DirectPoint p;
  const double a = i * kTwoPi / KnotRibbon::kPointCount;
  p.x0 = f.radius * std::cos(11.0 * (3.0 * phi + a));
  p.y0 = f.radius * std::sin(12.0 * (4.0 * phi + a));
  p.zd = 2200.0 - f.depthSwing * std::cos(23.0 * (12.0 * phi + a));
  p.rd = (std::sin(17.0 * (a + phi)) + std::cos(5.0 * (3.0 * phi + a)) + 0.5) *
             0.125 +
         0.0078125;
  p.gd = (std::sin(a + phi) + 0.5) * 0.125 + 0.0078125;
  p.bd = (std::cos(7.0 * (a + phi)) + 0.5) * 0.125 + 0.0078125;
  const double theta = 2.501 * phi + i * 85.01 / KnotRibbon::kPointCount;
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  const double x = static_cast<float>(p.x0);
  const double y = static_cast<float>(p.y0);
  p.xt = x * c - y * s;
  p.yt = y * c + x * s;
  p.xd = static_cast<float>(p.xt) + f.driftX;
  p.yd = static_cast<float>(p.yt) + f.driftY;
  p.x = static_cast<float>(p.xd);
  p.y = static_cast<float>(p.yd);
  p.z = static_cast<float>(p.zd);
  p.r = static_cast<float>(p.rd);
  p.g = static_cast<float>(p.gd);
  p.b = static_cast<float>(p.bd);
  return p;
}

// The whole shape into the ribbon's points, as computeShape does.
inline void directShape(float elapsedSeconds, float speed, KnotRibbon& ribbon) {
  const DirectFrame f = directFrame(elapsedSeconds, speed);
  for (int i = 0; i < KnotRibbon::kPointCount; ++i) {
    const DirectPoint d = directPoint(f, i);
    RibbonPoint& p = ribbon.points[i];
    p.x = d.x;
    p.y = d.y;
    p.z = d.z;
    p.r = d.r;
    p.g = d.g;
    p.b = d.b;
  }
}

}  // namespace vantrel
