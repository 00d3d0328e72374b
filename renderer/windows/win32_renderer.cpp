#include "renderer/windows/win32_renderer.h"

#include <cstdio>
#include <cstdlib>

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_state.h"
#include "renderer/gl/measuring_switches.h"
#include "renderer/gl/scene_view.h"
#include "renderer/wgl/wgl_context.h"
#include "renderer/windows/win32_display_power.h"
#include "renderer/windows/win32_foreground.h"
#include "renderer/windows/win32_monitors.h"
#include "renderer/windows/win32_pacing.h"
#include "renderer/windows/win32_scene_windows.h"
#include "renderer/windows/win32_window.h"
#include "renderer/windows/window_size.h"

namespace vantrel {

namespace {

HINSTANCE programInstance = nullptr;
HWND window = nullptr;
HDC deviceContext = nullptr;
HGLRC renderingContext = nullptr;
SceneView view;  // program lifetime, the ribbon included
ViewStart viewStart;
PoolAllocator poolAllocator = nullptr;

// Measuring aids, off unless the environment asks (measuring_switches.h).
MeasuringSwitches measuring;
char statsPath[MAX_PATH] = "";
// VANTREL_OTHER_MONITORS=cover: black covers instead of scene windows, as
// with one monitor, so a run can measure what the other monitors cost.
bool otherMonitorScenes = true;
// VANTREL_SCENE_CONTEXT=own: a context for each scene window, to measure it
// against the one shared context.
bool ownSceneContexts = false;

// The variable's value, or nullptr when it is unset or longer than `size`.
const char* environmentValue(const char* name, char* value, DWORD size) {
  const DWORD length = GetEnvironmentVariableA(name, value, size);
  return length > 0 && length < size ? value : nullptr;
}

void readMeasuringSwitches() {
  char bare[16], kept[16], held[16], pacing[16];
  measuring = measuringSwitchesFrom(
      environmentValue("VANTREL_BARE_FRAME", bare, sizeof(bare)),
      environmentValue("VANTREL_KEPT_PICTURE", kept, sizeof(kept)),
      environmentValue("VANTREL_HOLD_STARS", held, sizeof(held)),
      environmentValue("VANTREL_PACING", pacing, sizeof(pacing)));
  if (environmentValue("VANTREL_FRAME_STATS", statsPath, sizeof(statsPath)) ==
      nullptr) {
    statsPath[0] = '\0';
  }
  char others[16];
  const char* other = environmentValue("VANTREL_OTHER_MONITORS", others,
                                       sizeof(others));
  otherMonitorScenes = other == nullptr || lstrcmpiA(other, "cover") != 0;
  char contexts[16];
  const char* context = environmentValue("VANTREL_SCENE_CONTEXT", contexts,
                                         sizeof(contexts));
  ownSceneContexts = context != nullptr && lstrcmpiA(context, "own") == 0;
}

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

// The view's black swaps and the keeper's probe swap through this.
void swapMainWindow(void*) { SwapBuffers(deviceContext); }

ClockReading clockNow() {
  LARGE_INTEGER count;
  if (!QueryPerformanceCounter(&count)) count.QuadPart = 0;
  return ClockReading{count.QuadPart, GetTickCount()};
}

// The main window's frame is on its back buffer: the swap, then the scene
// windows at the same time.
void presentFrame(double elapsedSeconds, float frameDelta) {
  SwapBuffers(deviceContext);
  drawSceneWindows(view.state(), elapsedSeconds, frameDelta);
}

}  // namespace

int runMessageLoop() {
  MSG message = {};
  for (;;) {
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        break;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (quit) break;
    if (appActive() != 0 && displayOn()) {
      if (!awaitFrameTurn()) continue;  // a message came first
      runFrame();
      if (measuring.paced) scheduleNextFrame();
    } else {
      pauseFramePacing();
      WaitMessage();
    }
  }
  return static_cast<int>(message.wParam);
}

long long framesDrawn() { return view.frames(); }

RendererState& rendererState() { return view.scene().state; }
Scene& rendererScene() { return view.scene(); }
TrailKeeper& trailKeeper() { return view.trails(); }

HWND mainWindow() { return window; }
void setMainWindow(HWND w) { window = w; }
bool openGlReady() { return renderingContext != nullptr; }
HGLRC sharedRenderingContext() { return renderingContext; }
const MeasuringSwitches& measuringSwitches() { return measuring; }
bool sceneContextsOwn() { return ownSceneContexts; }

void makeMainWindowCurrent() {
  if (renderingContext == nullptr) return;
  wglMakeCurrent(deviceContext, renderingContext);
  applyPixelProjection(view.state().screenWidth, view.state().screenHeight);
}
void setStarPoolAllocator(PoolAllocator allocate) { poolAllocator = allocate; }

int setupPixelFormat() { return setPixelFormatOn(deviceContext); }

int initOpenGL() {
  deviceContext = GetDC(window);
  if (!setupPixelFormat()) return 0;
  renderingContext = createCurrentContext(deviceContext);
  if (renderingContext == nullptr) return 0;
  // Paced to the display where the driver can; the swap is the only pacing.
  requestSwapInterval(1);
  viewStart.size = {view.state().screenWidth, view.state().screenHeight};
  viewStart.switches = measuring;
  viewStart.lookup = wglProcLookup;
  viewStart.swap = BufferSwap{swapMainWindow, nullptr};
  view.startGl(viewStart);
  return 1;
}

int initRenderer() {
  readMeasuringSwitches();
  initOpenGL();  // without OpenGL the black window still runs and ends
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency)) frequency.QuadPart = 0;
  viewStart.switches = measuring;
  viewStart.seed = GetTickCount();
  viewStart.allocate = poolAllocator;
  viewStart.clockFrequency = frequency.QuadPart;
  viewStart.clockStart = clockNow();
  return view.startScene(viewStart) ? 1 : 0;
}

void resetPixelProjection() {
  view.resize({view.state().screenWidth, view.state().screenHeight});
}

void runFrame() {
  view.drawFrame(clockNow());
  presentFrame(view.clock().elapsedSeconds(), view.clock().frameDelta());
}

void runFrameAt(double elapsedSeconds, float frameDelta) {
  view.drawFrameAt(elapsedSeconds, frameDelta);
  presentFrame(elapsedSeconds, frameDelta);
}

void shutdownRenderer() {
  view.release(renderingContext != nullptr);
  if (renderingContext != nullptr) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(renderingContext);
    renderingContext = nullptr;
  }
}

int runRenderer(HINSTANCE instance) {
  programInstance = instance;
  if (!registerRendererClass(instance)) return 0;
  const WindowSize size = readWindowSize(kSettingsPath);
  rendererState().screenWidth = size.width;
  rendererState().screenHeight = size.height;
  HWND created = createRendererWindow(instance, size.width, size.height);
  if (created == nullptr) return 0;
  setMainWindow(created);
  ShowCursor(FALSE);
  if (!initRenderer()) {
    shutdownRenderer();
    ShowCursor(TRUE);
    return 0;
  }
  openMonitorWindows(instance, created, otherMonitorScenes);
  requestForeground(created);
  startFramePacing();
  watchDisplayPower(created);
  const int exitCode = runMessageLoop();
  stopWatchingDisplayPower();
  stopFramePacing();
  closeMonitorWindows();
  shutdownRenderer();
  ShowCursor(TRUE);
  writeFrameStats(statsPath, view.frames(),
                  static_cast<double>(view.clock().elapsedSeconds()),
                  processCpuSeconds());
  return exitCode;
}

}  // namespace vantrel
