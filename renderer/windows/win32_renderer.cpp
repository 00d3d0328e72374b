#include "renderer/windows/win32_renderer.h"

#include <cstdio>
#include <cstdlib>

#include "renderer/gl/gl_api.h"
#include "renderer/gl/gl_frame.h"
#include "renderer/gl/gl_scene.h"
#include "renderer/gl/gl_state.h"
#include "renderer/gl/measuring_switches.h"
#include "renderer/scene/scene_clock.h"
#include "renderer/windows/wgl_context.h"
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
Scene scene;  // program lifetime, the ribbon included
SceneClock sceneClock;
TrailKeeper trails;
int growthCounter = 0;
PoolAllocator poolAllocator = nullptr;

// Measuring aids, off unless the environment asks (measuring_switches.h).
MeasuringSwitches measuring;
long long frameCount = 0;
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

// The keeper's probe of the back buffer swaps through this.
void swapMainWindow(void*) { SwapBuffers(deviceContext); }

void clearAndSwapTwice() {
  glClear(GL_COLOR_BUFFER_BIT);
  SwapBuffers(deviceContext);
  glClear(GL_COLOR_BUFFER_BIT);
  SwapBuffers(deviceContext);
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
      stepStarCount(measuring, scene.state, growthCounter);
      runFrame();
      if (measuring.paced) scheduleNextFrame();
    } else {
      pauseFramePacing();
      WaitMessage();
    }
  }
  return static_cast<int>(message.wParam);
}

long long framesDrawn() { return frameCount; }

RendererState& rendererState() { return scene.state; }
Scene& rendererScene() { return scene; }
TrailKeeper& trailKeeper() { return trails; }
HWND mainWindow() { return window; }
void setMainWindow(HWND w) { window = w; }
bool openGlReady() { return renderingContext != nullptr; }
HGLRC sharedRenderingContext() { return renderingContext; }
const MeasuringSwitches& measuringSwitches() { return measuring; }
bool sceneContextsOwn() { return ownSceneContexts; }

void makeMainWindowCurrent() {
  if (renderingContext == nullptr) return;
  wglMakeCurrent(deviceContext, renderingContext);
  applyPixelProjection(scene.state.screenWidth, scene.state.screenHeight);
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
  applyFixedState();
  applyPixelProjection(scene.state.screenWidth, scene.state.screenHeight);
  // The clear colour is never set: both buffers start black.
  clearAndSwapTwice();
  glDrawBuffer(GL_BACK);
  if (measuring.keepPicture) {
    trails.start(scene.state.screenWidth, scene.state.screenHeight,
                 wglProcLookup, measuring.trailOptions,
                 BufferSwap{swapMainWindow, nullptr});
  }
  return 1;
}

int initRenderer() {
  readMeasuringSwitches();
  initOpenGL();  // without OpenGL the black window still runs and ends
  scene.random.seed(GetTickCount());
  scene.starPool = createStarPool(scene.random, poolAllocator);
  if (scene.starPool == nullptr) return 0;
  LARGE_INTEGER frequency, count;
  if (!QueryPerformanceFrequency(&frequency)) frequency.QuadPart = 0;
  if (!QueryPerformanceCounter(&count)) count.QuadPart = 0;
  sceneClock.start(frequency.QuadPart, count.QuadPart, GetTickCount());
  return 1;
}

void resetPixelProjection() {
  if (renderingContext == nullptr) return;
  applyPixelProjection(scene.state.screenWidth, scene.state.screenHeight);
  trails.resize(scene.state.screenWidth, scene.state.screenHeight);
  clearAndSwapTwice();
}

void runFrame() {
  LARGE_INTEGER count;
  if (!QueryPerformanceCounter(&count)) count.QuadPart = 0;
  sceneClock.tick(count.QuadPart, GetTickCount());
  runFrameAt(sceneClock.elapsedSeconds(), sceneClock.frameDelta());
}

void runFrameAt(double elapsedSeconds, float frameDelta) {
  ++frameCount;
  drawFrame(scene, trails, elapsedSeconds, frameDelta, measuring.content);
  SwapBuffers(deviceContext);
  drawSceneWindows(scene.state, elapsedSeconds, frameDelta, measuring.content);
}

void shutdownRenderer() {
  destroyStarPool(scene.starPool);
  scene.starPool = nullptr;
  if (renderingContext != nullptr) {
    trails.release();
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(renderingContext);
    renderingContext = nullptr;
  }
}

int runRenderer(HINSTANCE instance) {
  programInstance = instance;
  if (!registerRendererClass(instance)) return 0;
  const WindowSize size = readWindowSize(kSettingsPath);
  scene.state.screenWidth = size.width;
  scene.state.screenHeight = size.height;
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
  writeFrameStats(statsPath, frameCount,
                  static_cast<double>(sceneClock.elapsedSeconds()),
                  processCpuSeconds());
  return exitCode;
}

}  // namespace vantrel
