// The scene windows and covers over the other monitors and the foreground
// request, in a whole renderer run in this process, with monitor layouts
// injected.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "renderer/gl/gl_api.h"
#include "renderer/scene/renderer_state.h"
#include "renderer/windows/win32_renderer.h"
#include "tests/renderer/renderer_run_cleanup.h"
#include "tests/renderer/screen_rect_print.h"
#include "tests/renderer/settings_file_guard.h"

namespace vantrel {
namespace {

// The primary as the host sizes the main window (the settings below).
constexpr ScreenRect kPrimary = {0, 0, 320, 240};
constexpr ScreenRect kRight = {320, -100, 1600, 924};
constexpr ScreenRect kLeft = {-1280, 0, 0, 1024};
// The primary's mode changed to a larger one; the right monitor moved along.
constexpr ScreenRect kGrownPrimary = {0, 0, 400, 300};
constexpr ScreenRect kGrownRight = {400, -100, 1680, 924};

std::vector<MonitorArea> twoMonitors() {
  return {{kPrimary, true}, {kRight, false}};
}
std::vector<MonitorArea> threeMonitors() {
  return {{kLeft, false}, {kPrimary, true}, {kRight, false}};
}
std::vector<MonitorArea> oneMonitor() { return {{kPrimary, true}}; }
std::vector<MonitorArea> threeGrown() {
  return {{kLeft, false}, {kGrownPrimary, true}, {kGrownRight, false}};
}

struct ClassSearch {
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK collectOfClass(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ClassSearch*>(data);
  char name[32] = "";
  GetClassNameA(window, name, sizeof(name));
  if (std::string(name) == search->className) search->found.push_back(window);
  return TRUE;
}

// The windows of this thread of one class, as the platform lists them.
std::vector<HWND> windowsOfClass(const char* className) {
  ClassSearch search = {className, {}};
  EnumThreadWindows(GetCurrentThreadId(), collectOfClass,
                    reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> coversNow() { return windowsOfClass("VantrelCover"); }
std::vector<HWND> scenesNow() { return windowsOfClass("VantrelScene"); }

ScreenRect rectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// In a fixed order: the platform lists windows by z-order.
std::vector<ScreenRect> sortedRects(std::vector<ScreenRect> rects) {
  std::sort(rects.begin(), rects.end(),
            [](const ScreenRect& a, const ScreenRect& b) {
              if (a.left != b.left) return a.left < b.left;
              if (a.top != b.top) return a.top < b.top;
              if (a.right != b.right) return a.right < b.right;
              return a.bottom < b.bottom;
            });
  return rects;
}

std::vector<ScreenRect> rectsOf(const std::vector<HWND>& windows) {
  std::vector<ScreenRect> rects;
  for (HWND window : windows) rects.push_back(rectOf(window));
  return sortedRects(rects);
}
std::vector<ScreenRect> coverRectsNow() { return rectsOf(coversNow()); }
std::vector<ScreenRect> sceneRectsNow() { return rectsOf(scenesNow()); }

HWND mainWindowNow() { return FindWindowA(nullptr, "Vantrel_VC"); }

// The hooks of the next run; the monitors it sees can change while it runs.
RendererHooks hooks;
MonitorSource monitors = nullptr;  // nullptr: the real ones
std::vector<MonitorArea> injectedMonitors() { return monitors(); }
void setMonitorSource(MonitorSource source) { monitors = source; }

// The last run's renderer, kept until the test ends.
std::unique_ptr<Win32Renderer> lastRun;
Win32Renderer& renderer() { return *lastRun; }
long long framesDrawn() { return lastRun ? lastRun->framesDrawn() : 0; }
RendererState& rendererState() { return renderer().state(); }
Scene& rendererScene() { return renderer().scene(); }
TrailKeeper& trailKeeper() { return renderer().trails(); }
std::size_t sceneWindowCount() { return renderer().sceneWindows().count(); }
SceneWindow& sceneWindowAt(std::size_t index) {
  return renderer().sceneWindows().at(index);
}

// Steps run one a tick from a timer inside the renderer's loop, once frames
// run (so the loop is really going).
using Step = void (*)();
struct Script {
  std::vector<Step> steps;
  std::size_t next = 0;
  int waits = 0;
  long long framesBefore = 0;
  std::vector<long long> framesAtStep;
};
Script script;

// NOTE: a step that makes GL windows can outlast the timer's period; each
// step waits (up to 6 s) for a frame after the one before, so a loop that
// stops drawing still shows.
void CALLBACK runScript(HWND, UINT, UINT_PTR id, DWORD) {
  if (framesDrawn() == script.framesBefore && ++script.waits < 24) return;
  if (script.next >= script.steps.size()) {
    KillTimer(nullptr, id);
    return;
  }
  script.framesAtStep.push_back(framesDrawn());
  script.steps[script.next++]();
  script.framesBefore = framesDrawn();
  script.waits = 0;
}

void CALLBACK safetyQuit(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(7);
}

// runRenderer's exit code; 7 when the steps did not end the run in time.
int runWithSteps(std::vector<Step> steps) {
  script = Script();
  script.steps = std::move(steps);
  script.framesBefore = framesDrawn();
  const UINT_PTR timer = SetTimer(nullptr, 0, 250, runScript);
  const UINT_PTR safety = SetTimer(nullptr, 0, 20000, safetyQuit);
  if (monitors != nullptr) hooks.monitors = injectedMonitors;
  lastRun = std::make_unique<Win32Renderer>(GetModuleHandleA(nullptr), hooks);
  const int code = lastRun->run();
  KillTimer(nullptr, timer);
  KillTimer(nullptr, safety);
  return code;
}

void displayChange() {
  SendMessageA(mainWindowNow(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
}

void postToFirstCover(UINT message, WPARAM wParam, LPARAM lParam) {
  const std::vector<HWND> covers = coversNow();
  if (!covers.empty()) PostMessageA(covers[0], message, wParam, lParam);
}

void postToFirstScene(UINT message, WPARAM wParam, LPARAM lParam) {
  const std::vector<HWND> scenes = scenesNow();
  if (!scenes.empty()) PostMessageA(scenes[0], message, wParam, lParam);
}

void pressEscapeOnMain() {
  PostMessageA(mainWindowNow(), WM_KEYDOWN, VK_ESCAPE, 0);
}

class Covers : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.write("[Settings]\r\nWidth= 320\r\nHeight= 240\r\n");
  }
  void TearDown() override {
    clearRendererRun();
    lastRun.reset();
    monitors = nullptr;
    hooks = RendererHooks();
  }
  SettingsFileGuard settings_;
};

// Pixels of a window's kept picture that are not black; the context is made
// current on `dc` for the read and given back to the main window after.
int litPixels(HDC dc, TrailKeeper& trails, int width, int height) {
  wglMakeCurrent(dc, renderer().renderingContext());
  std::vector<std::uint8_t> rgb;
  int lit = 0;
  if (trails.readPixels(0, 0, width, height, rgb)) {
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
      if (rgb[i] != 0 || rgb[i + 1] != 0 || rgb[i + 2] != 0) ++lit;
  }
  renderer().makeMainWindowCurrent();
  return lit;
}

struct SceneLook {
  std::vector<HWND> scenes;
  std::size_t covers = 99;
  ScreenRect rect = {};
  std::string title;
  LONG_PTR style = 0;
  LONG_PTR cursor = -1;
  HWND parent = nullptr;
  bool active = true;
  bool glReady = false;
  int sceneLit = -1;
  int mainLit = -1;
  bool ribbonInStep = false;
  int starsAlike = -1;
  float speedBefore = 0.0f;
  float speedAfter = 0.0f;
  int starsAfter = 0;
};
SceneLook look;

void lookAtTheScene() {
  look.scenes = scenesNow();
  look.covers = coversNow().size();
  if (look.scenes.empty() || sceneWindowCount() != 1) return;
  HWND window = look.scenes[0];
  look.rect = rectOf(window);
  char title[64] = "";
  GetWindowTextA(window, title, sizeof(title));
  look.title = title;
  look.style = GetWindowLongPtrA(window, GWL_STYLE);
  look.cursor = static_cast<LONG_PTR>(GetClassLongPtrA(window, GCLP_HCURSOR));
  look.parent = GetParent(window);
  look.active = GetActiveWindow() == window;
  SceneWindow& scene = sceneWindowAt(0);
  look.glReady = scene.glReady();
  look.sceneLit = litPixels(GetDC(window), scene.trails(),
                            kRight.right - kRight.left,
                            kRight.bottom - kRight.top);
  look.mainLit = litPixels(GetDC(mainWindowNow()), trailKeeper(), 320, 240);
  // The same time and speed give the same ribbon in space.
  const KnotRibbon& mine = scene.scene().ribbon;
  const KnotRibbon& main = rendererScene().ribbon;
  look.ribbonInStep = true;
  for (int i = 0; i < KnotRibbon::kPointCount; i += 97) {
    look.ribbonInStep = look.ribbonInStep && mine.points[i].x == main.points[i].x &&
                        mine.points[i].y == main.points[i].y &&
                        mine.points[i].z == main.points[i].z;
  }
  look.starsAlike = 0;
  for (int i = 0; i < 50; ++i) {
    if (scene.scene().starPool[i].x == rendererScene().starPool[i].x)
      ++look.starsAlike;
  }
}

TEST_F(Covers, SecondMonitorGetsASceneWindowWhoseKeysReachTheRenderer) {
  look = SceneLook();
  setMonitorSource(twoMonitors);
  const int code = runWithSteps({
      [] {
        lookAtTheScene();
        look.speedBefore = rendererState().speed;
        postToFirstScene(WM_KEYDOWN, VK_RIGHT, 0);
      },
      [] {
        look.speedAfter = rendererState().speed;
        look.starsAfter = sceneWindowCount() == 1
                              ? sceneWindowAt(0).scene().state.starCount
                              : -1;
        postToFirstScene(WM_KEYDOWN, VK_ESCAPE, 0);
      },
  });
  EXPECT_EQ(code, 0);  // Escape on the scene window ended the loop
  ASSERT_EQ(look.scenes.size(), 1u);
  EXPECT_EQ(look.covers, 0u);
  EXPECT_EQ(look.rect, kRight);
  EXPECT_EQ(look.title, "Vantrel_Scene");
  EXPECT_EQ(look.style & (WS_POPUP | WS_VISIBLE), WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(look.style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  EXPECT_EQ(look.cursor, 0);
  EXPECT_EQ(look.parent, nullptr);
  EXPECT_FALSE(look.active);  // the main window keeps the foreground
  EXPECT_TRUE(look.glReady);
  EXPECT_GT(look.sceneLit, 0);
  EXPECT_GT(look.mainLit, 0);
  EXPECT_TRUE(look.ribbonInStep);
  EXPECT_LT(look.starsAlike, 50);  // stars of its own
  EXPECT_EQ(look.speedAfter, std::min(look.speedBefore + 1.0f, 200.0f));
  // Shared speed and star count reach the scene at its next frame.
  EXPECT_EQ(look.starsAfter, rendererState().starCount);
  EXPECT_TRUE(scenesNow().empty());  // gone with the run
  EXPECT_EQ(sceneWindowCount(), 0u);
  WNDCLASSEXA info = {};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(
      GetClassInfoExA(GetModuleHandleA(nullptr), "VantrelScene", &info));
}

TEST_F(Covers, SceneWindowWithAContextOfItsOwnDrawsAndGoesCleanly) {
  // The arrangement measured against the shared context.
  look = SceneLook();
  SetEnvironmentVariableA("VANTREL_SCENE_CONTEXT", "own");
  setMonitorSource(twoMonitors);
  const int code = runWithSteps({
      [] {
        lookAtTheScene();
        // The scene window goes while the program runs on.
        setMonitorSource(oneMonitor);
        displayChange();
      },
      [] {
        look.mainLit =
            litPixels(GetDC(mainWindowNow()), trailKeeper(), 320, 240);
        look.starsAfter = static_cast<int>(sceneWindowCount());
        pressEscapeOnMain();
      },
  });
  SetEnvironmentVariableA("VANTREL_SCENE_CONTEXT", nullptr);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(look.scenes.size(), 1u);
  EXPECT_TRUE(look.glReady);
  EXPECT_GT(look.sceneLit, 0);
  EXPECT_TRUE(look.ribbonInStep);
  EXPECT_EQ(look.starsAfter, 0);
  // The main window's context is current and drawing after the other went.
  EXPECT_GT(look.mainLit, 0);
  EXPECT_GT(script.framesAtStep[1], script.framesAtStep[0]);
}

int refusePixelFormat(HDC) { return 0; }

TEST_F(Covers, SceneWindowWithoutOpenGlStaysBlackAndTheMainWindowDraws) {
  look = SceneLook();
  setMonitorSource(twoMonitors);
  hooks.scenePixelFormat = refusePixelFormat;
  const int code = runWithSteps({
      [] {
        look.scenes = scenesNow();
        look.glReady = sceneWindowCount() == 1 && sceneWindowAt(0).glReady();
      },
      [] {
        look.mainLit =
            litPixels(GetDC(mainWindowNow()), trailKeeper(), 320, 240);
        postToFirstScene(WM_KEYDOWN, VK_ESCAPE, 0);
      },
  });
  EXPECT_EQ(code, 0);
  ASSERT_EQ(look.scenes.size(), 1u);  // there, black, and its keys work
  EXPECT_FALSE(look.glReady);
  EXPECT_GT(look.mainLit, 0);
  EXPECT_GT(script.framesAtStep[1], script.framesAtStep[0]);
}

TEST_F(Covers, ClosingASceneWindowOrACoverEndsTheProgram) {
  setMonitorSource(twoMonitors);
  EXPECT_EQ(runWithSteps({[] { postToFirstScene(WM_CLOSE, 0, 0); }}), 0);
  EXPECT_EQ(script.next, 1u);
  clearRendererRun();
  // Wider than the primary: the right monitor gets covers, no scene.
  settings_.write("[Settings]\r\nWidth= 1500\r\nHeight= 240\r\n");
  EXPECT_EQ(runWithSteps({[] { postToFirstCover(WM_CLOSE, 0, 0); }}), 0);
  EXPECT_EQ(script.next, 1u);
}

TEST_F(Covers, AltF4OnASceneWindowOrACoverEndsTheProgram) {
  // It reaches the close through the default handling.
  setMonitorSource(twoMonitors);
  EXPECT_EQ(runWithSteps({[] {
              postToFirstScene(WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
            }}),
            0);
  EXPECT_EQ(script.next, 1u);
  clearRendererRun();
  settings_.write("[Settings]\r\nWidth= 1500\r\nHeight= 240\r\n");
  EXPECT_EQ(runWithSteps({[] {
              postToFirstCover(WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
            }}),
            0);
  EXPECT_EQ(script.next, 1u);
}

struct Seen {
  std::vector<ScreenRect> covers;
  std::vector<ScreenRect> scenes;
  ScreenRect main;
};
std::vector<Seen> seen;

void see() {
  seen.push_back({coverRectsNow(), sceneRectsNow(), rectOf(mainWindowNow())});
}

// The main window follows the primary at each change, so after the first
// the right monitor is no longer overlapped.
TEST_F(Covers, ScenesCoversAndTheMainWindowFollowMonitorsThatComeAndGo) {
  // Wider than the primary: the right monitor is partly overlapped.
  settings_.write("[Settings]\r\nWidth= 1500\r\nHeight= 240\r\n");
  seen.clear();
  setMonitorSource(twoMonitors);
  const int code = runWithSteps({
      [] {
        see();
        setMonitorSource(threeMonitors);
        displayChange();
      },
      [] {
        see();
        setMonitorSource(oneMonitor);
        displayChange();
      },
      [] {
        see();
        setMonitorSource(threeGrown);
        displayChange();
      },
      [] {
        see();
        pressEscapeOnMain();
      },
  });
  EXPECT_EQ(code, 0);
  ASSERT_EQ(seen.size(), 4u);  // no destroyed window ended the loop early
  // Above, below and to the right of the main window's corner.
  const std::vector<ScreenRect> rightParts = {
      {320, -100, 1600, 0}, {320, 240, 1600, 924}, {1500, 0, 1600, 240}};
  EXPECT_EQ(seen[0].covers, rightParts);
  EXPECT_TRUE(seen[0].scenes.empty());
  EXPECT_EQ(seen[0].main, (ScreenRect{0, 0, 1500, 240}));
  EXPECT_TRUE(seen[1].covers.empty());
  EXPECT_EQ(seen[1].scenes, (std::vector<ScreenRect>{kLeft, kRight}));
  EXPECT_EQ(seen[1].main, kPrimary);
  EXPECT_TRUE(seen[2].covers.empty());
  EXPECT_TRUE(seen[2].scenes.empty());
  EXPECT_TRUE(seen[3].covers.empty());
  EXPECT_EQ(seen[3].scenes, (std::vector<ScreenRect>{kLeft, kGrownRight}));
  EXPECT_EQ(seen[3].main, kGrownPrimary);
  EXPECT_EQ(rendererState().screenWidth, 400);  // the view followed
  EXPECT_EQ(rendererState().screenHeight, 300);
  // Frames ran between the changes, on the windows there were.
  EXPECT_GT(script.framesAtStep[3], script.framesAtStep[2]);
}

TEST_F(Covers, WithoutTheSceneClassTheOtherMonitorIsCoveredBlack) {
  // A class of that name already there: the renderer's registration fails.
  WNDCLASSEXA taken = {};
  taken.cbSize = sizeof(taken);
  taken.lpfnWndProc = DefWindowProcA;
  taken.hInstance = GetModuleHandleA(nullptr);
  taken.lpszClassName = "VantrelScene";
  ASSERT_NE(RegisterClassExA(&taken), 0);
  seen.clear();
  setMonitorSource(twoMonitors);
  const int code = runWithSteps({[] {
    see();
    pressEscapeOnMain();
  }});
  UnregisterClassA("VantrelScene", GetModuleHandleA(nullptr));
  EXPECT_EQ(code, 0);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].covers, (std::vector<ScreenRect>{kRight}));
  EXPECT_TRUE(seen[0].scenes.empty());
}

struct ForegroundProbe {
  int calls = 0;
  HWND window = nullptr;
  HWND titled = nullptr;
  bool visible = false;
  long long frames = -1;
  std::size_t covers = 99;
};
ForegroundProbe foreground;
std::size_t coversWhileRunning = 99;

BOOL WINAPI recordForeground(HWND window) {
  ++foreground.calls;
  foreground.window = window;
  foreground.titled = mainWindowNow();
  foreground.visible = IsWindowVisible(window) != FALSE;
  foreground.frames = framesDrawn();
  foreground.covers = coversNow().size() + scenesNow().size();
  return SetForegroundWindow(window);
}

TEST_F(Covers, ForegroundAskedForTheMainWindowAndNoCoverOnTheRealMonitor) {
  // The main window as large as the real primary, as the host makes it.
  settings_.write("[Settings]\r\nWidth= " +
                  std::to_string(GetSystemMetrics(SM_CXSCREEN)) +
                  "\r\nHeight= " +
                  std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "\r\n");
  foreground = ForegroundProbe();
  hooks.foreground = recordForeground;
  const long long framesBefore = framesDrawn();
  coversWhileRunning = 99;
  const int code = runWithSteps({[] {
    coversWhileRunning = coversNow().size();
    pressEscapeOnMain();
  }});
  EXPECT_EQ(code, 0);
  EXPECT_EQ(foreground.calls, 1);
  EXPECT_NE(foreground.window, nullptr);
  EXPECT_EQ(foreground.window, foreground.titled);  // its own window
  EXPECT_TRUE(foreground.visible);
  EXPECT_EQ(foreground.frames, framesBefore);  // before the first frame
  EXPECT_EQ(foreground.covers, 0u);  // the real monitor list: one monitor
  EXPECT_EQ(coversWhileRunning, 0u);
}

}  // namespace
}  // namespace vantrel
