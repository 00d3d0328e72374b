#pragma once
#include "renderer/scene/knot_ribbon.h"

namespace vantrel {

// Sums of the ribbon points near the viewer that fall into one screen
// quadrant. Offsets are pixels from the screen centre, y up.
class GlowAccumulator {
 public:
  GlowAccumulator() = default;
  virtual ~GlowAccumulator() = default;

  float sumR = 0.0f, sumG = 0.0f, sumB = 0.0f;
  float sumX = 0.0f, sumY = 0.0f;
  float sumZ = 0.0f;
  int count = 0;
};

// What the GL layer draws for one quadrant: the unit disc translated to
// (centerX, centerY), scaled by radius (pixels) and coloured (r, g, b, 1).
struct GlowDisc {
  bool lit = false;
  float centerX = 0.0f, centerY = 0.0f;
  float radius = 0.0f;
  float r = 0.0f, g = 0.0f, b = 0.0f;
};

// Quadrants: 0 lower left, 1 upper left, 2 upper right, 3 lower right.
constexpr int kGlowQuadrants = 4;

void accumulateGlows(const KnotRibbon& ribbon, int screenWidth,
                     int screenHeight, GlowAccumulator (&sums)[kGlowQuadrants]);

// The four glows of the ribbon as it stands, in drawing order.
void computeGlows(const KnotRibbon& ribbon, int screenWidth, int screenHeight,
                  GlowDisc (&glows)[kGlowQuadrants]);

}  // namespace vantrel
