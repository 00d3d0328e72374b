#pragma once
#include "renderer/scene/knot_ribbon.h"
#include "renderer/scene/renderer_state.h"
#include "renderer/scene/scene_random.h"
#include "renderer/scene/star_particle.h"

namespace vantrel {

// Everything the star-flight scene keeps between frames. The program holds
// one for its whole run; tests and the still-picture tool make their own.
struct Scene {
  RendererState state;
  SceneRandom random;
  StarParticle* starPool = nullptr;  // kStarPoolSize stars, or none
  KnotRibbon ribbon;
};

}  // namespace vantrel
