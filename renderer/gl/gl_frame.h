#pragma once
// One frame's drawing, the same on every platform. Needs a current context
// with the fixed state and pixel projection of gl_state.h.
#include "renderer/gl/gl_trails.h"
#include "renderer/scene/scene.h"

namespace vantrel {

enum class FrameContent {
  Scene,     // the star flight
  BareFade,  // only the fade: the floor a frame's cost is measured against
};

// The kept picture as target, the scene's step and drawing (or only the
// fade), then the picture to the window's back buffer, glFinish and glFlush.
// The caller swaps. `brightColours`: allowBrightColours (gl_state.h) holds.
void drawFrame(Scene& scene, TrailKeeper& trails, double elapsedSeconds,
               float frameDelta, FrameContent content,
               bool brightColours = false);

}  // namespace vantrel
