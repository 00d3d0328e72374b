#pragma once
#include "renderer/scene/star_particle.h"

namespace vantrel {

// How a visible star is drawn: the unit disc translated to (centerX,
// centerY) pixels, turned by angleDegrees when `rotated`, scaled by
// (scaleX, scaleY) and coloured (r, g, b, 1) at its centre.
struct StarBlob {
  double centerX, centerY;
  bool rotated;
  double angleDegrees;
  float scaleX, scaleY;
  float r, g, b;
};

// One colour channel, 0.25 to 0.75, cycling every 16384 / speed seconds.
float starChannel(float phase, double elapsedSeconds, float speed);

// The blob of a star that passed starVisible at (screenX, screenY): it sits
// halfway between its last two screen positions, stretched along its motion.
StarBlob starBlob(const StarParticle& star, float screenX, float screenY,
                  int screenWidth, int screenHeight, double elapsedSeconds,
                  float speed);

}  // namespace vantrel
