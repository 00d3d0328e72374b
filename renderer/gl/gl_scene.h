#pragma once
// The scene's OpenGL drawing: the fade, the star blobs, the ribbon band and
// the glows. Expects the fixed state and pixel projection of gl_state.h and
// a current context.
#include "renderer/scene/frame_light.h"
#include "renderer/scene/knot_ribbon.h"
#include "renderer/scene/scene.h"

namespace vantrel {

// Every light draw below adds the frame's light (frame_light.h); the
// defaults are a 60th of a second's.

// The frame's simulation step that also draws: stars advance by frameDelta
// (seconds), then the ribbon dims, draws its first glows and takes its new
// shape for elapsedSeconds.
void stepScene(Scene& scene, double elapsedSeconds, float frameDelta,
               const FrameLight& light = {});

// Darkens the kept picture by `alpha` (to 11/12 by default) and leaves
// additive blending on.
void drawFade(const RendererState& state,
              double alpha = FrameLight().fadeAlpha);

// Fade, live stars, ribbon band and glows: everything of a frame but the
// swap.
void drawScene(Scene& scene, double elapsedSeconds,
               const FrameLight& light = {});

// A star blob stretched over its own frame's motion.
void drawStar(StarParticle& star, Scene& scene, double elapsedSeconds,
              const FrameLight& light = {});
void drawRibbon(KnotRibbon& ribbon, const RendererState& state,
                const FrameLight& light = {});
void drawGlows(const KnotRibbon& ribbon, const RendererState& state,
               const FrameLight& light = {});

}  // namespace vantrel
