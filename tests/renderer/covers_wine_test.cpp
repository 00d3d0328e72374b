// The covers over the other monitors and the foreground request, in a whole
// renderer run in this process, with monitor layouts injected.
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "renderer/scene/renderer_state.h"
#include "renderer/windows/win32_covers.h"
#include "renderer/windows/win32_foreground.h"
#include "renderer/windows/win32_renderer.h"
#include "tests/renderer/renderer_run_cleanup.h"
#include "tests/renderer/screen_rect_print.h"
#include "tests/renderer/settings_file_guard.h"

namespace vantrel {
namespace {

constexpr ScreenRect kPrimary = {0, 0, 1024, 768};
constexpr ScreenRect kRight = {1024, -100, 2304, 924};
constexpr ScreenRect kLeft = {-1280, 0, 0, 1024};

std::vector<MonitorArea> twoMonitors() {
  return {{kPrimary, true}, {kRight, false}};
}
std::vector<MonitorArea> threeMonitors() {
  return {{kLeft, false}, {kPrimary, true}, {kRight, false}};
}
std::vector<MonitorArea> oneMonitor() { return {{kPrimary, true}}; }

BOOL CALLBACK collectCover(HWND window, LPARAM data) {
  char name[32] = "";
  GetClassNameA(window, name, sizeof(name));
  if (std::string(name) == "VantrelCover")
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

// The covers of this thread, as the platform lists its windows.
std::vector<HWND> coversNow() {
  std::vector<HWND> covers;
  EnumThreadWindows(GetCurrentThreadId(), collectCover,
                    reinterpret_cast<LPARAM>(&covers));
  return covers;
}

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

std::vector<ScreenRect> coverRectsNow() {
  std::vector<ScreenRect> rects;
  for (HWND cover : coversNow()) rects.push_back(rectOf(cover));
  return sortedRects(rects);
}

HWND mainWindowNow() { return FindWindowA(nullptr, "Vantrel_VC"); }

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

void CALLBACK runScript(HWND, UINT, UINT_PTR id, DWORD) {
  if (framesDrawn() == script.framesBefore && ++script.waits < 24) return;
  if (script.next >= script.steps.size()) {
    KillTimer(nullptr, id);
    return;
  }
  script.framesAtStep.push_back(framesDrawn());
  script.steps[script.next++]();
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
  const int code = runRenderer(GetModuleHandleA(nullptr));
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
    setMonitorSource(nullptr);
    setForegroundCall(nullptr);
  }
  SettingsFileGuard settings_;
};

struct CoverLook {
  std::vector<HWND> covers;
  ScreenRect rect = {};
  std::string title;
  LONG_PTR style = 0;
  LONG_PTR cursor = -1;
  HWND parent = nullptr;
  float speedBefore = 0.0f;
  float speedAfter = 0.0f;
};
CoverLook look;

TEST_F(Covers, SecondMonitorGetsABlackCoverWhoseKeysReachTheRenderer) {
  look = CoverLook();
  setMonitorSource(twoMonitors);
  const int code = runWithSteps({
      [] {
        look.covers = coversNow();
        if (look.covers.empty()) return;
        HWND cover = look.covers[0];
        look.rect = rectOf(cover);
        char title[64] = "";
        GetWindowTextA(cover, title, sizeof(title));
        look.title = title;
        look.style = GetWindowLongPtrA(cover, GWL_STYLE);
        look.cursor =
            static_cast<LONG_PTR>(GetClassLongPtrA(cover, GCLP_HCURSOR));
        look.parent = GetParent(cover);
        look.speedBefore = rendererState().speed;
        postToFirstCover(WM_KEYDOWN, VK_RIGHT, 0);
      },
      [] {
        look.speedAfter = rendererState().speed;
        postToFirstCover(WM_KEYDOWN, VK_ESCAPE, 0);
      },
  });
  EXPECT_EQ(code, 0);  // Escape on the cover ended the loop
  ASSERT_EQ(look.covers.size(), 1u);
  EXPECT_EQ(look.rect, kRight);
  EXPECT_NE(look.title, "Vantrel_VC");
  EXPECT_FALSE(look.title.empty());
  EXPECT_EQ(look.style & (WS_POPUP | WS_VISIBLE), WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(look.style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  EXPECT_EQ(look.cursor, 0);
  EXPECT_EQ(look.parent, nullptr);
  EXPECT_EQ(look.speedAfter, std::min(look.speedBefore + 1.0f, 200.0f));
  EXPECT_TRUE(coversNow().empty());  // gone with the run
  WNDCLASSEXA info = {};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(
      GetClassInfoExA(GetModuleHandleA(nullptr), "VantrelCover", &info));
}

TEST_F(Covers, ClosingACoverEndsTheProgramLikeClosingTheMainWindow) {
  setMonitorSource(twoMonitors);
  EXPECT_EQ(runWithSteps({[] { postToFirstCover(WM_CLOSE, 0, 0); }}), 0);
  EXPECT_EQ(script.next, 1u);
}

TEST_F(Covers, AltF4OnACoverEndsTheProgram) {
  // It reaches the close through the default handling.
  setMonitorSource(twoMonitors);
  EXPECT_EQ(runWithSteps({[] {
              postToFirstCover(WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
            }}),
            0);
  EXPECT_EQ(script.next, 1u);
}

std::vector<std::vector<ScreenRect>> seen;

TEST_F(Covers, CoversFollowMonitorsThatComeAndGo) {
  // Wider than the primary: the right monitor is partly overlapped.
  settings_.write("[Settings]\r\nWidth= 1500\r\nHeight= 240\r\n");
  seen.clear();
  setMonitorSource(twoMonitors);
  const int code = runWithSteps({
      [] {
        seen.push_back(coverRectsNow());
        setMonitorSource(threeMonitors);
        displayChange();
      },
      [] {
        seen.push_back(coverRectsNow());
        setMonitorSource(oneMonitor);
        displayChange();
      },
      [] {
        seen.push_back(coverRectsNow());
        setMonitorSource(twoMonitors);
        displayChange();
      },
      [] {
        seen.push_back(coverRectsNow());
        pressEscapeOnMain();
      },
  });
  EXPECT_EQ(code, 0);
  ASSERT_EQ(seen.size(), 4u);  // no destroyed cover ended the loop early
  // Above, below and to the right of the main window's corner.
  const std::vector<ScreenRect> rightParts = {
      {1024, -100, 2304, 0}, {1024, 240, 2304, 924}, {1500, 0, 2304, 240}};
  EXPECT_EQ(seen[0], rightParts);
  std::vector<ScreenRect> withLeft = rightParts;
  withLeft.insert(withLeft.begin(), kLeft);
  EXPECT_EQ(seen[1], withLeft);
  EXPECT_TRUE(seen[2].empty());
  EXPECT_EQ(seen[3], rightParts);
  EXPECT_GT(script.framesAtStep[3], script.framesAtStep[2]);
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
  foreground.covers = coversNow().size();
  return SetForegroundWindow(window);
}

TEST_F(Covers, ForegroundAskedForTheMainWindowAndNoCoverOnTheRealMonitor) {
  foreground = ForegroundProbe();
  setForegroundCall(recordForeground);
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
