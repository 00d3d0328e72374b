#include "renderer/scene/glow_accumulator.h"

#include <cmath>

namespace vantrel {

void accumulateGlows(const KnotRibbon& ribbon, int screenWidth,
                     int screenHeight, GlowAccumulator (&sums)[kGlowQuadrants]) {
  const float w = static_cast<float>(screenWidth);
  const float a = 0.75f * w;
  const float b = a * 0.5f;
  // The field reaches 0.28125 W beyond the window on every side.
  const float limitX = static_cast<float>(screenWidth / 2) + 0.75f * b;
  const float limitY = static_cast<float>(screenHeight / 2) + 0.75f * b;
  for (const RibbonPoint& p : ribbon.points) {
    const float depth = std::fabs(p.z);
    if (depth > 384.0f || depth < 0.001f) continue;
    // Points just behind the viewer take part, mirrored through the centre.
    const float px = w * p.x / p.z;
    const float py = w * p.y / p.z;
    if (std::fabs(px) > limitX || std::fabs(py) > limitY) continue;
    int quadrant;
    if (px < 0.0f) {
      quadrant = py < 0.0f ? 0 : 1;
    } else {
      quadrant = py >= 0.0f ? 2 : 3;
    }
    GlowAccumulator& sum = sums[quadrant];
    sum.sumR += p.r;
    sum.sumG += p.g;
    sum.sumB += p.b;
    sum.sumX += px;
    sum.sumY += py;
    sum.sumZ += p.z;
    sum.count += 1;
  }
}

void computeGlows(const KnotRibbon& ribbon, int screenWidth, int screenHeight,
                  GlowDisc (&glows)[kGlowQuadrants]) {
  GlowAccumulator sums[kGlowQuadrants];
  accumulateGlows(ribbon, screenWidth, screenHeight, sums);
  const float a = 0.75f * static_cast<float>(screenWidth);
  for (int q = 0; q < kGlowQuadrants; ++q) {
    const GlowAccumulator& sum = sums[q];
    GlowDisc& glow = glows[q];
    glow = GlowDisc();
    if (sum.count == 0) continue;
    const float n = static_cast<float>(sum.count);
    glow.lit = true;
    glow.centerX = sum.sumX / n + static_cast<float>(screenWidth / 2);
    glow.centerY = sum.sumY / n + static_cast<float>(screenHeight / 2);
    // Larger the nearer the points are, whichever side of the viewer.
    glow.radius = a - std::fabs(sum.sumZ / n) / 2.0f;
    glow.r = sum.sumR * 0.03125f;
    glow.g = sum.sumG * 0.03125f;
    glow.b = sum.sumB * 0.03125f;
  }
}

}  // namespace vantrel
