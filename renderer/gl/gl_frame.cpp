#include "renderer/gl/gl_frame.h"

#include "renderer/gl/gl_scene.h"

namespace vantrel {

void drawFrame(Scene& scene, TrailKeeper& trails, double elapsedSeconds,
               float frameDelta, FrameContent content) {
  trails.beginFrame();
  if (content == FrameContent::BareFade) {
    drawFade(scene.state);
  } else {
    stepScene(scene, elapsedSeconds, frameDelta);
    drawScene(scene, elapsedSeconds);
  }
  trails.present();
}

}  // namespace vantrel
