#include "renderer/windows/win32_renderer.h"

#include "renderer/gl/gl_state.h"
#include "renderer/windows/virtual_keys.h"
#include "renderer/wgl/wgl_context.h"
#include "renderer/windows/win32_window.h"
#include "renderer/windows/window_size.h"

namespace vantrel {

namespace {

double processCpuSeconds() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
    return 0.0;
  const auto toSeconds = [](const FILETIME& t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return static_cast<double>(v.QuadPart) / 1e7;
  };
  return toSeconds(kernel) + toSeconds(user);
}

ClockReading clockNow() {
  LARGE_INTEGER count;
  if (!QueryPerformanceCounter(&count)) count.QuadPart = 0;
  return ClockReading{count.QuadPart, GetTickCount()};
}

}  // namespace

Win32Renderer::Win32Renderer(HINSTANCE instance, const RendererHooks& hooks)
    : instance_(instance),
      hooks_(hooks),
      monitors_(hooks.monitors),
      pacing_(view_.pacer()) {}

Win32Renderer::~Win32Renderer() {
  monitors_.close();
  if (window_ != nullptr && IsWindow(window_) && windowOwner(window_) == this)
    forgetWindowOwner(window_);
}

// The view's black swaps and the keeper's probe swap through this.
void Win32Renderer::swapMainWindow(void* renderer) {
  SwapBuffers(static_cast<Win32Renderer*>(renderer)->deviceContext_);
}

bool Win32Renderer::openMainWindow(int width, int height) {
  if (!registerRendererClass(instance_)) return false;
  state().screenWidth = width;
  state().screenHeight = height;
  window_ = createRendererWindow(instance_, width, height, this);
  return window_ != nullptr;
}

int Win32Renderer::initOpenGL() {
  deviceContext_ = GetDC(window_);
  if (!setPixelFormatOn(deviceContext_)) return 0;
  context_ = createCurrentContext(deviceContext_);
  if (context_ == nullptr) return 0;
  // Paced to the display where the driver can; the swap is the only pacing.
  requestSwapInterval(1);
  viewStart_.size = {state().screenWidth, state().screenHeight};
  viewStart_.switches = switches_.measuring;
  viewStart_.lookup = wglProcLookup;
  viewStart_.swap = BufferSwap{swapMainWindow, this};
  view_.startGl(viewStart_);
  return 1;
}

int Win32Renderer::initRenderer() {
  switches_ = readRunSwitches();
  initOpenGL();  // without OpenGL the black window still runs and ends
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency)) frequency.QuadPart = 0;
  viewStart_.switches = switches_.measuring;
  viewStart_.seed = GetTickCount();
  viewStart_.allocate = hooks_.starPool;
  viewStart_.clockFrequency = frequency.QuadPart;
  viewStart_.clockStart = clockNow();
  return view_.startScene(viewStart_) ? 1 : 0;
}

void Win32Renderer::openOtherMonitors() {
  SceneGl gl;
  gl.context = context_;
  gl.ownContext = switches_.ownSceneContexts;
  gl.switches = switches_.measuring;
  gl.setPixelFormat = hooks_.scenePixelFormat;
  monitors_.open(instance_, window_, this, gl, switches_.otherMonitorScenes);
}

// The main window's frame is on its back buffer: the swap, then the scene
// windows at the same time.
void Win32Renderer::presentFrame(double elapsedSeconds, float frameDelta) {
  SwapBuffers(deviceContext_);
  monitors_.drawScenes(state(), elapsedSeconds, frameDelta);
}

void Win32Renderer::runFrame() {
  view_.drawFrame(clockNow());
  presentFrame(view_.clock().elapsedSeconds(), view_.clock().frameDelta());
}

void Win32Renderer::runFrameAt(double elapsedSeconds, float frameDelta) {
  view_.drawFrameAt(elapsedSeconds, frameDelta);
  presentFrame(elapsedSeconds, frameDelta);
}

void Win32Renderer::shutdownRenderer() {
  view_.release(context_ != nullptr);
  if (context_ != nullptr) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
    context_ = nullptr;
  }
}

void Win32Renderer::makeMainWindowCurrent() {
  if (context_ == nullptr) return;
  wglMakeCurrent(deviceContext_, context_);
  applyPixelProjection(state().screenWidth, state().screenHeight);
}

// True when the queue is empty; false when `message` is the quit request,
// which is never dispatched.
bool Win32Renderer::drainMessages(MSG& message) {
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

// Drains the queue and runs a frame per pass while the application is
// active and the display on, waits otherwise; returns the quit request's
// exit code.
int Win32Renderer::runMessageLoop() {
  MSG message = {};
  while (drainMessages(message)) {
    if (active_ != 0 && power_.displayOn()) {
      if (!pacing_.awaitFrameTurn()) continue;  // a message came first
      runFrame();
      if (switches_.measuring.paced) pacing_.scheduleNextFrame();
    } else {
      pacing_.pause();
      WaitMessage();
    }
  }
  return static_cast<int>(message.wParam);
}

void Win32Renderer::writeStats() {
  writeFrameStats(switches_.statsPath, view_.frames(),
                  static_cast<double>(view_.clock().elapsedSeconds()),
                  processCpuSeconds());
}

int Win32Renderer::run() {
  // NOTE: everything from the file is read before the window shows: the
  // host and its tests take the window for a renderer that answers keys.
  const RendererSettings settings = readRendererSettings(kSettingsPath);
  if (!openMainWindow(settings.size.width, settings.size.height)) return 0;
  ShowCursor(FALSE);
  if (!initRenderer()) {
    shutdownRenderer();
    ShowCursor(TRUE);
    return 0;
  }
  openOtherMonitors();
  requestForeground(window_, hooks_.foreground);
  pacing_.start(settings.maxFramesPerSecond);
  power_.watch(window_);
  followFrameLimits();
  const int exitCode = runMessageLoop();
  power_.stop();
  pacing_.stop();
  monitors_.close();
  shutdownRenderer();
  ShowCursor(TRUE);
  writeStats();
  forgetWindowOwner(window_);
  return exitCode;
}

void Win32Renderer::onSize(LPARAM size) {
  applyClientSize(state(), viewSizeFromSizeParam(static_cast<unsigned>(size)));
  // Before the context exists this does nothing; initOpenGL sets the same.
  view_.resize({state().screenWidth, state().screenHeight});
}

void Win32Renderer::onActivateApp(WPARAM active) {
  active_ = static_cast<int>(active);
}

void Win32Renderer::onKey(WPARAM key) {
  // NOTE: the quit request ends the loop; the window itself stays until the
  // process ends, as the host only watches for its title to disappear.
  if (handleKey(state(), sceneKeyForVirtualKey(static_cast<unsigned>(key))) ==
      KeyResult::Quit) {
    PostQuitMessage(0);
  }
}

void Win32Renderer::onDisplayChange() {
  monitors_.followDisplayChange();
  pacing_.followRefreshRate();
  followFrameLimits();
}

void Win32Renderer::followFrameLimits() {
  if (!switches_.measuring.paced) return;
  const int refreshes = pacing_.applyFrameLimits(power_.savingPower());
  if (refreshes == 0 || context_ == nullptr) return;
  makeMainWindowCurrent();
  requestSwapInterval(refreshes);
}

LRESULT Win32Renderer::onPowerBroadcast(WPARAM event, LPARAM setting) {
  const LRESULT result = power_.onPowerBroadcast(event, setting);
  followFrameLimits();
  return result;
}

Win32Renderer* rendererOfWindow(HWND window) {
  return static_cast<Win32Renderer*>(windowOwner(window));
}

int runRenderer(HINSTANCE instance, const RendererHooks& hooks) {
  Win32Renderer renderer(instance, hooks);
  return renderer.run();
}

}  // namespace vantrel
