#include "renderer/wayland/wayland_picture.h"

#include "renderer/gl/gl_api.h"
#include "renderer/hack/hack_clock.h"

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

ViewSize currentPictureSize(const WaylandOutput& output) {
  ViewSize size;
  pictureSize(output, size.width, size.height);
  return size;
}

bool startSurface(WaylandOutput& output, const EglContext& egl) {
  const ViewSize size = currentPictureSize(output);
  output.eglWindow =
      wl_egl_window_create(output.surface, size.width, size.height);
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

bool startView(WaylandOutput& output, const PictureSettings& settings,
               std::uint32_t seed) {
  RendererState& state = output.view.scene().state;
  state.speed = static_cast<float>(settings.options.speed);
  state.starCount = settings.options.stars;
  ViewStart start;
  start.size = currentPictureSize(output);
  start.seed = seed;
  start.clockFrequency = kMonotonicCountsPerSecond;
  start.clockStart = settings.start;
  start.switches = settings.switches;
  start.lookup = eglProcLookup;
  start.swap = BufferSwap{swapOutputBuffers, &output};
  // NOTE: no black swaps: the surface shows nothing before its first frame.
  start.swapBlack = false;
  output.sizeChanged = false;
  if (!output.view.start(start)) return false;
  // An output that comes later starts its frame times from now.
  output.view.tickClock(monotonicReading());
  return true;
}

}  // namespace

bool startPicture(WaylandOutput& output, const EglContext& egl,
                  const PictureSettings& settings, std::uint32_t seed) {
  if (!startSurface(output, egl)) return false;
  // Only a whole picture is drawn on; releasePicture takes a part one too.
  output.pictureStarted = startView(output, settings, seed);
  return output.pictureStarted;
}

void drawPicture(WaylandOutput& output, const EglContext& egl,
                 const PictureSettings& settings) {
  if (!makeEglCurrent(egl, output.eglSurface)) return;
  if (output.sizeChanged) {
    output.view.resize(currentPictureSize(output));
    output.sizeChanged = false;
    output.opaqueKept = false;
  }
  // The drawing leaves alpha alone, so a picture kept in the back buffer
  // stays opaque once made so: a full alpha pass every frame costs llvmpipe
  // as much as the fade.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  output.view.drawFrame(monotonicReading());
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  if (!output.opaqueKept ||
      output.view.trails().mode() != TrailMode::BackBuffer) {
    makeOpaque();
    output.opaqueKept = true;
  }
  if (settings.switches.paced) requestNextFrame(output);
  eglSwapBuffers(egl.display, output.eglSurface);
}

void releasePicture(WaylandOutput& output, const EglContext& egl) {
  output.pictureStarted = false;
  if (output.eglSurface != EGL_NO_SURFACE) {
    if (makeEglCurrent(egl, output.eglSurface)) output.view.release();
    eglMakeCurrent(egl.display, EGL_NO_SURFACE, EGL_NO_SURFACE,
                   EGL_NO_CONTEXT);
    eglDestroySurface(egl.display, output.eglSurface);
    output.eglSurface = EGL_NO_SURFACE;
  }
  if (output.eglWindow != nullptr) wl_egl_window_destroy(output.eglWindow);
  output.eglWindow = nullptr;
  output.view.release(false);  // what the context did not take
}

}  // namespace vantrel
