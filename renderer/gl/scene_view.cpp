#include "renderer/gl/scene_view.h"

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_frame.h"
#include "renderer/gl/gl_state.h"
#include "renderer/scene/frame_light.h"

namespace vantrel {

bool SceneView::start(const ViewStart& start) {
  if (start.gl) {
    startGl(start);
  } else {
    applyClientSize(scene_.state, start.size);
  }
  return startScene(start);
}

void SceneView::startGl(const ViewStart& start) {
  switches_ = start.switches;
  swap_ = start.swap;
  swapBlack_ = start.swapBlack && start.swap.function != nullptr;
  gl_ = true;
  applyClientSize(scene_.state, start.size);
  const RendererState& state = scene_.state;
  applyFixedState();
  brightColours_ = allowBrightColours(start.lookup);
  applyPixelProjection(state.screenWidth, state.screenHeight);
  // The clear colour is never set: the picture starts black.
  clearToBlack();
  glDrawBuffer(GL_BACK);
  if (switches_.keepPicture) {
    trails_.start(state.screenWidth, state.screenHeight, start.lookup,
                  switches_.trailOptions, swap_);
  }
}

bool SceneView::startScene(const ViewStart& start) {
  switches_ = start.switches;
  grows_ = start.grows;
  scene_.random.seed(start.seed);
  scene_.starPool = createStarPool(scene_.random, start.allocate);
  if (scene_.starPool == nullptr) return false;
  clock_.start(start.clockFrequency, start.clockStart.count,
               start.clockStart.tickMs);
  return true;
}

void SceneView::clearToBlack() {
  glClear(GL_COLOR_BUFFER_BIT);
  if (!swapBlack_) return;
  swap_.function(swap_.context);
  glClear(GL_COLOR_BUFFER_BIT);
  swap_.function(swap_.context);
}

void SceneView::resize(ViewSize size) {
  applyClientSize(scene_.state, size);
  if (!gl_) return;
  const RendererState& state = scene_.state;
  applyPixelProjection(state.screenWidth, state.screenHeight);
  trails_.resize(state.screenWidth, state.screenHeight);
  clearToBlack();
}

void SceneView::follow(const RendererState& leader) {
  scene_.state.speed = leader.speed;
  scene_.state.starCount = leader.starCount;
}

void SceneView::drawFrame(ClockReading now) {
  clock_.tick(now.count, now.tickMs);
  if (grows_) {
    stepStarCount(switches_, scene_.state, grownSixtieths_,
                  sixtiethsIn(clock_.frameDelta()));
  }
  drawFrameAt(clock_.elapsedSeconds(), clock_.frameDelta());
}

void SceneView::drawFrameAt(double elapsedSeconds, float frameDelta) {
  ++frames_;
  // A context may serve several windows: viewport and projection are this
  // window's again.
  if (gl_) {
    applyPixelProjection(scene_.state.screenWidth, scene_.state.screenHeight);
  }
  vantrel::drawFrame(scene_, trails_, elapsedSeconds, frameDelta,
                     switches_.content, brightColours_);
}

void SceneView::release(bool contextCurrent) {
  if (gl_ && contextCurrent) trails_.release();
  gl_ = false;
  grownSixtieths_ = 0.0;
  destroyStarPool(scene_.starPool);
  scene_.starPool = nullptr;
}

}  // namespace vantrel
