#include "renderer/gl/gl_frame.h"

#include "renderer/gl/gl_scene.h"
#include "renderer/scene/frame_light.h"

namespace vantrel {

void drawFrame(Scene& scene, TrailKeeper& trails, double elapsedSeconds,
               float frameDelta, FrameContent content, bool brightColours) {
  // Fade and light follow the frame's own step, so a second of animation
  // looks the same at any frame rate.
  const double sixtieths = sixtiethsIn(frameDelta);
  const FrameLight light = frameLight(sixtieths, brightColours);
  trails.beginFrame(sixtieths);
  if (content == FrameContent::BareFade) {
    drawFade(scene.state, light.fadeAlpha);
  } else {
    stepScene(scene, elapsedSeconds, frameDelta, light);
    drawScene(scene, elapsedSeconds, light);
  }
  trails.present();
}

}  // namespace vantrel
