#include "renderer/windows/win32_scene_window.h"

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_state.h"
#include "renderer/wgl/wgl_context.h"

namespace vantrel {

namespace {

const char kSceneTitle[] = "Vantrel_Scene";

// The keeper's probe of the back buffer swaps through this.
void swapDeviceContext(void* dc) { SwapBuffers(static_cast<HDC>(dc)); }

}  // namespace

SceneWindow::~SceneWindow() { close(); }

// NOTE: shown without activation, as the covers are, so the main window
// keeps the foreground and the keys; a tool window stays off the taskbar.
bool SceneWindow::open(HINSTANCE instance, const char* className,
                       const ScreenRect& rect, unsigned seed,
                       const SceneGl& gl, WindowOwner* owner) {
  rect_ = rect;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, className, kSceneTitle, WS_POPUP,
                            rect.left, rect.top, width, height, nullptr,
                            nullptr, instance, owner);
  if (window_ == nullptr) return false;
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  glReady_ = setUpGl(gl);
  if (!view_.start(viewStart(seed, gl))) {
    close();
    return false;
  }
  return true;
}

ViewStart SceneWindow::viewStart(unsigned seed, const SceneGl& gl) {
  ViewStart start;
  start.size = {rect_.right - rect_.left, rect_.bottom - rect_.top};
  start.seed = seed;
  start.switches = gl.switches;
  start.gl = glReady_;
  start.lookup = wglProcLookup;
  start.swap = BufferSwap{swapDeviceContext, deviceContext_};
  // Time, speed and star count follow the main window's.
  start.grows = false;
  return start;
}

// The shared context made current here, or a new one sharing its objects,
// current and with the fixed state; nullptr on failure.
HGLRC SceneWindow::makeContext(const SceneGl& gl) {
  if (!gl.ownContext) {
    return wglMakeCurrent(deviceContext_, gl.context) ? gl.context : nullptr;
  }
  HGLRC own = wglCreateContext(deviceContext_);
  if (own == nullptr) return nullptr;
  // NOTE: objects are shared only into a context that has none yet.
  if (!wglShareLists(gl.context, own) || !wglMakeCurrent(deviceContext_, own)) {
    wglDeleteContext(own);
    return nullptr;
  }
  ownsContext_ = true;
  return own;
}

bool SceneWindow::setUpGl(const SceneGl& gl) {
  if (gl.context == nullptr) return false;
  deviceContext_ = GetDC(window_);
  const auto setFormat =
      gl.setPixelFormat != nullptr ? gl.setPixelFormat : setPixelFormatOn;
  if (!setFormat(deviceContext_)) return false;
  context_ = makeContext(gl);
  if (context_ == nullptr) return false;
  // NOTE: only the main window's swap waits for the display; two paced
  // swaps a frame would halve the rate.
  requestSwapInterval(0);
  return true;
}

void SceneWindow::drawFrame(const RendererState& shared, double elapsedSeconds,
                            float frameDelta) {
  if (!glReady_ || !wglMakeCurrent(deviceContext_, context_)) return;
  view_.follow(shared);
  view_.drawFrameAt(elapsedSeconds, frameDelta);
  SwapBuffers(deviceContext_);
}

void SceneWindow::close() {
  if (glReady_ && ownsContext_) wglMakeCurrent(deviceContext_, context_);
  view_.release();
  if (ownsContext_) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
  }
  glReady_ = false;
  ownsContext_ = false;
  context_ = nullptr;
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  deviceContext_ = nullptr;
}

}  // namespace vantrel
