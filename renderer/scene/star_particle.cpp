#include "renderer/scene/star_particle.h"

#include <cmath>

namespace vantrel {

StarParticle::StarParticle(SceneRandom& random) { respawn(random); }

void StarParticle::respawn(SceneRandom& random) {
  px = static_cast<float>(random.next() % 800) - 400.0f;
  py = static_cast<float>(random.next() % 800) - 400.0f;
  pz = static_cast<float>(random.next() % 1500);
  vx = 0.0f;
  vy = 0.0f;
  vz = -50.0f;
  // Born one second's travel closer than its "previous" position.
  x = px + vx;
  y = py + vy;
  z = pz + vz;
  phaseR = static_cast<float>(random.next() % 16384);
  phaseG = static_cast<float>(random.next() % 16384);
  phaseB = static_cast<float>(random.next() % 16384);
}

void StarParticle::advance(float frameDelta) {
  px = x;
  py = y;
  pz = z;
  x = x + frameDelta * vx;
  y = y + frameDelta * vy;
  z = z + frameDelta * vz;
}

bool starVisible(const StarParticle& star, int screenWidth, int screenHeight,
                 float& screenX, float& screenY) {
  if (star.z < 75.0f || star.pz < 75.0f) return false;
  const float w = static_cast<float>(screenWidth);
  // The absolute screen coordinate is compared, not the offset from the
  // centre, so stars live longer past the left and bottom edges.
  screenX = w * star.x / star.z + static_cast<float>(screenWidth / 2);
  if (std::fabs(screenX) > static_cast<float>(screenWidth + 100)) return false;
  screenY = w * star.y / star.z + static_cast<float>(screenHeight / 2);
  if (std::fabs(screenY) > static_cast<float>(screenHeight + 100)) return false;
  return true;
}

void advanceStars(StarParticle* pool, int count, float frameDelta) {
  for (int i = 0; i < count; ++i) pool[i].advance(frameDelta);
}

}  // namespace vantrel
