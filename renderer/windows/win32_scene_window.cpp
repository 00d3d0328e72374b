#include "renderer/windows/win32_scene_window.h"

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_state.h"
#include "renderer/scene/star_pool.h"
#include "renderer/windows/wgl_context.h"

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
                       const SceneGl& gl) {
  rect_ = rect;
  scene_.state.screenWidth = rect.right - rect.left;
  scene_.state.screenHeight = rect.bottom - rect.top;
  scene_.random.seed(seed);
  scene_.starPool = createStarPool(scene_.random);
  if (scene_.starPool == nullptr) return false;
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, className, kSceneTitle, WS_POPUP,
                            rect.left, rect.top, scene_.state.screenWidth,
                            scene_.state.screenHeight, nullptr, nullptr,
                            instance, nullptr);
  if (window_ == nullptr) {
    close();
    return false;
  }
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  glReady_ = setUpGl(gl);
  return true;
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
  applyFixedState();
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
  const int width = scene_.state.screenWidth;
  const int height = scene_.state.screenHeight;
  applyPixelProjection(width, height);
  glClear(GL_COLOR_BUFFER_BIT);
  SwapBuffers(deviceContext_);
  glClear(GL_COLOR_BUFFER_BIT);
  SwapBuffers(deviceContext_);
  glDrawBuffer(GL_BACK);
  if (gl.keepPicture) {
    trails_.start(width, height, wglProcLookup, gl.trailOptions,
                  BufferSwap{swapDeviceContext, deviceContext_});
  }
  return true;
}

void SceneWindow::drawFrame(const RendererState& shared, double elapsedSeconds,
                            float frameDelta, FrameContent content) {
  if (!glReady_ || !wglMakeCurrent(deviceContext_, context_)) return;
  scene_.state.speed = shared.speed;
  scene_.state.starCount = shared.starCount;
  applyPixelProjection(scene_.state.screenWidth, scene_.state.screenHeight);
  vantrel::drawFrame(scene_, trails_, elapsedSeconds, frameDelta, content);
  SwapBuffers(deviceContext_);
}

void SceneWindow::close() {
  if (glReady_ && ownsContext_) wglMakeCurrent(deviceContext_, context_);
  if (glReady_) trails_.release();
  if (ownsContext_) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
  }
  glReady_ = false;
  ownsContext_ = false;
  context_ = nullptr;
  destroyStarPool(scene_.starPool);
  scene_.starPool = nullptr;
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  deviceContext_ = nullptr;
}

}  // namespace vantrel
