#include "renderer/wayland/wayland_picture.h"

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_frame.h"
#include "renderer/gl/gl_state.h"
#include "renderer/hack/hack_clock.h"
#include "renderer/scene/star_pool.h"

namespace vantrel {

namespace {

// Alpha 1 all over the back buffer, colours untouched: the compositor
// takes the surface's alpha as coverage, and the shared drawing leaves
// whatever alpha its blending gives.
void makeOpaque() {
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

// The keeper's probe of the back buffer swaps through this; its frames too
// are shown opaque.
void swapOutputBuffers(void* context) {
  const auto& output = *static_cast<const WaylandOutput*>(context);
  makeOpaque();
  eglSwapBuffers(output.eglDisplay, output.eglSurface);
}

void applyPictureSize(WaylandOutput& output) {
  int width = 0, height = 0;
  pictureSize(output, width, height);
  // The same packed size WM_SIZE carries: a height of 0 becomes 1.
  const unsigned packed = (static_cast<unsigned>(height & 0xFFFF) << 16) |
                          static_cast<unsigned>(width & 0xFFFF);
  applyClientSize(output.scene.state, packed);
  output.sizeChanged = false;
}

// A new size: projection and kept picture follow, black, as WM_SIZE.
void resetPicture(WaylandOutput& output) {
  applyPictureSize(output);
  const RendererState& state = output.scene.state;
  applyPixelProjection(state.screenWidth, state.screenHeight);
  output.trails.resize(state.screenWidth, state.screenHeight);
  glClear(GL_COLOR_BUFFER_BIT);
  output.opaqueKept = false;
}

bool startSurface(WaylandOutput& output, const EglContext& egl) {
  int width = 0, height = 0;
  pictureSize(output, width, height);
  output.eglWindow = wl_egl_window_create(output.surface, width, height);
  if (output.eglWindow == nullptr) return false;
  output.eglDisplay = egl.display;
  output.eglSurface = createEglSurface(egl, output.eglWindow);
  if (output.eglSurface == EGL_NO_SURFACE) return false;
  if (!makeEglCurrent(egl, output.eglSurface)) return false;
  // NOTE: the frame callbacks pace the drawing; an interval of 1 would make
  // each swap wait for its own callback, one output after the other.
  eglSwapInterval(egl.display, 0);
  return true;
}

void startGl(WaylandOutput& output, const PictureSettings& settings) {
  applyFixedState();
  applyPictureSize(output);
  const RendererState& state = output.scene.state;
  applyPixelProjection(state.screenWidth, state.screenHeight);
  // The clear colour is never set: the picture starts black.
  glClear(GL_COLOR_BUFFER_BIT);
  glDrawBuffer(GL_BACK);
  if (settings.switches.keepPicture) {
    output.trails.start(state.screenWidth, state.screenHeight, eglProcLookup,
                        settings.switches.trailOptions,
                        BufferSwap{swapOutputBuffers, &output});
  }
}

bool startScene(WaylandOutput& output, const PictureSettings& settings,
                std::uint32_t seed) {
  Scene& scene = output.scene;
  scene.state.speed = static_cast<float>(settings.options.speed);
  scene.state.starCount = settings.options.stars;
  scene.random.seed(seed);
  scene.starPool = createStarPool(scene.random);
  if (scene.starPool == nullptr) return false;
  output.clock.start(1000000000, settings.startNanoseconds,
                     settings.startMilliseconds);
  // An output that comes later starts its frame times from now.
  output.clock.tick(monotonicNanoseconds(), monotonicMilliseconds());
  return true;
}

}  // namespace

bool startPicture(WaylandOutput& output, const EglContext& egl,
                  const PictureSettings& settings, std::uint32_t seed) {
  if (!startSurface(output, egl)) return false;
  startGl(output, settings);
  // Only a whole picture is drawn on; releasePicture takes a part one too.
  output.pictureStarted = startScene(output, settings, seed);
  return output.pictureStarted;
}

void drawPicture(WaylandOutput& output, const EglContext& egl,
                 const PictureSettings& settings) {
  if (!makeEglCurrent(egl, output.eglSurface)) return;
  if (output.sizeChanged) resetPicture(output);
  // The one context serves every output: viewport and projection are this
  // output's again.
  RendererState& state = output.scene.state;
  applyPixelProjection(state.screenWidth, state.screenHeight);
  stepStarCount(settings.switches, state, output.growthCounter);
  output.clock.tick(monotonicNanoseconds(), monotonicMilliseconds());
  // The drawing leaves alpha alone, so a picture kept in the back buffer
  // stays opaque once made so: a full alpha pass every frame costs llvmpipe
  // as much as the fade.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  drawFrame(output.scene, output.trails, output.clock.elapsedSeconds(),
            output.clock.frameDelta(), settings.switches.content);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  if (!output.opaqueKept || output.trails.mode() != TrailMode::BackBuffer) {
    makeOpaque();
    output.opaqueKept = true;
  }
  if (settings.switches.paced) requestNextFrame(output);
  eglSwapBuffers(egl.display, output.eglSurface);
}

void releasePicture(WaylandOutput& output, const EglContext& egl) {
  output.pictureStarted = false;
  if (output.eglSurface != EGL_NO_SURFACE) {
    if (makeEglCurrent(egl, output.eglSurface)) output.trails.release();
    eglMakeCurrent(egl.display, EGL_NO_SURFACE, EGL_NO_SURFACE,
                   EGL_NO_CONTEXT);
    eglDestroySurface(egl.display, output.eglSurface);
    output.eglSurface = EGL_NO_SURFACE;
  }
  if (output.eglWindow != nullptr) wl_egl_window_destroy(output.eglWindow);
  output.eglWindow = nullptr;
  destroyStarPool(output.scene.starPool);
  output.scene.starPool = nullptr;
}

}  // namespace vantrel
