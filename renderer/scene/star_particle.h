#pragma once
#include "renderer/scene/scene_random.h"

namespace vantrel {

// A star flying straight at the viewer. World units: the viewer sits at the
// origin looking along +z, and a point projects with focal length
// screenWidth (pixels).
class StarParticle {
 public:
  explicit StarParticle(SceneRandom& random);
  virtual ~StarParticle() = default;

  // A new random place, up to 1499 units deep, moving 50 units per second.
  void respawn(SceneRandom& random);
  // Moves by one frame; frameDelta in seconds.
  void advance(float frameDelta);

  float x, y, z;
  float px, py, pz;  // position before the last advance
  float vx, vy, vz;  // world units per second
  float phaseR, phaseG, phaseB;  // colour phases, 0 to 16383
};

// The visibility test the star's draw applies before drawing. True when the
// star is drawn; screenX/screenY then hold its screen position in pixels.
// On false the caller respawns it.
bool starVisible(const StarParticle& star, int screenWidth, int screenHeight,
                 float& screenX, float& screenY);

// Advances stars [0, count) of the pool.
void advanceStars(StarParticle* pool, int count, float frameDelta);

}  // namespace vantrel
