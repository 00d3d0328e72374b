#pragma once
// The scene's OpenGL drawing: the fade, the star blobs, the ribbon band and
// the glows. Expects the fixed state and pixel projection of gl_state.h and
// a current context.
#include "renderer/scene/knot_ribbon.h"
#include "renderer/scene/scene.h"

namespace vantrel {

// The frame's simulation step that also draws: stars advance by frameDelta
// (seconds), then the ribbon dims, draws its first glows and takes its new
// shape for elapsedSeconds.
void stepScene(Scene& scene, double elapsedSeconds, float frameDelta);

// Darkens the kept picture to 11/12 and leaves additive blending on.
void drawFade(const RendererState& state);

// Fade, live stars, ribbon band and glows: everything of a frame but the
// swap.
void drawScene(Scene& scene, double elapsedSeconds);

void drawStar(StarParticle& star, Scene& scene, double elapsedSeconds);
void drawRibbon(KnotRibbon& ribbon, const RendererState& state);
void drawGlows(const KnotRibbon& ribbon, const RendererState& state);

}  // namespace vantrel
