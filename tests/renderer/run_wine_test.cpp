// The renderer's whole run in this process: start-up, message loop and end,
// driven by thread timers that fire inside the loop.
#include <windows.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "renderer/wgl/wgl_context.h"
#include "renderer/windows/win32_renderer.h"
#include "tests/renderer/renderer_run_cleanup.h"
#include "tests/renderer/settings_file_guard.h"

namespace vantrel {
namespace {

struct RunProbe {
  int cursorWhileRunning = 100;
  long long framesAtStep[3] = {-1, -1, -1};
  int step = 0;
  long long framesBefore = 0;
  int waits = 0;
};
RunProbe probe;

// The display counter of the cursor, without changing it.
int cursorCounter() {
  const int counter = ShowCursor(TRUE) - 1;
  ShowCursor(FALSE);
  return counter;
}

HWND rendererWindow() { return FindWindowA(nullptr, "Vantrel_VC"); }

// Frames the running renderer has drawn; 0 before its window exists.
long long framesDrawn() {
  Win32Renderer* renderer = rendererOfWindow(rendererWindow());
  return renderer != nullptr ? renderer->framesDrawn() : 0;
}

void pressEscape() {
  PostMessageA(rendererWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
}

class RendererRun : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.write("[Settings]\r\nWidth= 320\r\nHeight= 240\r\n");
    probe = RunProbe();
    cursorBefore_ = cursorCounter();
  }
  void TearDown() override {
    clearRendererRun();
  }
  SettingsFileGuard settings_;
  int cursorBefore_ = 0;
};

// A periodic timer: the first ticks may come before the window is
// activated, so it waits (up to 6 s) for frames to have run.
void CALLBACK escapeAfterFrames(HWND, UINT, UINT_PTR id, DWORD) {
  if (framesDrawn() == probe.framesBefore && ++probe.step < 20) return;
  KillTimer(nullptr, id);
  probe.cursorWhileRunning = cursorCounter();
  probe.framesAtStep[0] = framesDrawn();
  pressEscape();
}

TEST_F(RendererRun, EscapeEndsWithZeroAndShowsTheCursorAgain) {
  probe.framesBefore = framesDrawn();
  SetTimer(nullptr, 0, 300, escapeAfterFrames);
  EXPECT_EQ(runRenderer(GetModuleHandleA(nullptr)), 0);
  EXPECT_EQ(probe.cursorWhileRunning, cursorBefore_ - 1);
  EXPECT_EQ(cursorCounter(), cursorBefore_);
  EXPECT_GT(probe.framesAtStep[0], probe.framesBefore);  // it was active
}

void CALLBACK activationSteps(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = rendererWindow();
  // Start once the platform's own activation has arrived and frames run.
  if (probe.step == 0 && framesDrawn() == probe.framesBefore &&
      ++probe.waits < 20) {
    return;
  }
  probe.framesAtStep[probe.step] = framesDrawn();
  switch (probe.step++) {
    case 0:
      SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
      probe.framesAtStep[0] = framesDrawn();
      break;
    case 1:
      SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
      break;
    default:
      KillTimer(nullptr, id);
      pressEscape();
      break;
  }
}

TEST_F(RendererRun, NoFramesWhileInactive) {
  probe.framesBefore = framesDrawn();
  SetTimer(nullptr, 0, 400, activationSteps);
  EXPECT_EQ(runRenderer(GetModuleHandleA(nullptr)), 0);
  ASSERT_EQ(probe.step, 3);
  EXPECT_EQ(probe.framesAtStep[1], probe.framesAtStep[0]);  // 400 ms idle
  EXPECT_GT(probe.framesAtStep[2], probe.framesAtStep[1]);
}

void CALLBACK safetyQuit(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(7);
}

TEST_F(RendererRun, FailedStarPoolEndsWithZeroBeforeTheLoop) {
  RendererHooks hooks;
  hooks.starPool = [](std::size_t) -> void* { return nullptr; };
  Win32Renderer renderer(GetModuleHandleA(nullptr), hooks);
  const UINT_PTR timer = SetTimer(nullptr, 0, 3000, safetyQuit);
  const long long framesBefore = renderer.framesDrawn();
  const DWORD start = GetTickCount();
  EXPECT_EQ(renderer.run(), 0);
  EXPECT_LT(GetTickCount() - start, 2500u);  // did not wait in the loop
  KillTimer(nullptr, timer);
  EXPECT_EQ(renderer.framesDrawn(), framesBefore);
  EXPECT_EQ(cursorCounter(), cursorBefore_);
  EXPECT_EQ(renderer.scene().starPool, nullptr);
}

// Takes OpenGL away from the renderer's window: a different pixel format set
// as the window is created makes the renderer's own SetPixelFormat fail.
HHOOK creationHook = nullptr;
bool formatTaken = false;

LRESULT CALLBACK takeOpenGl(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_SIZE && !formatTaken) {
    char name[32] = "";
    GetClassNameA(call->hwnd, name, sizeof(name));
    if (std::string(name) == "WINCLASS1") {
      HDC dc = GetDC(call->hwnd);
      const int wanted = ChoosePixelFormat(dc, &kPixelFormatRequest);
      PIXELFORMATDESCRIPTOR other = {};
      const int count = DescribePixelFormat(dc, 1, sizeof(other), &other);
      for (int format = 1; format <= count && !formatTaken; ++format) {
        DescribePixelFormat(dc, format, sizeof(other), &other);
        if (format != wanted && SetPixelFormat(dc, format, &other)) {
          formatTaken = true;
        }
      }
      ReleaseDC(call->hwnd, dc);
    }
  }
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

TEST_F(RendererRun, WithoutOpenGlTheBlackWindowStillEnds) {
  creationHook = SetWindowsHookExA(WH_CALLWNDPROC, takeOpenGl, nullptr,
                                   GetCurrentThreadId());
  ASSERT_NE(creationHook, nullptr);
  probe.framesBefore = framesDrawn();
  SetTimer(nullptr, 0, 300, escapeAfterFrames);
  Win32Renderer renderer(GetModuleHandleA(nullptr));
  const int code = renderer.run();
  UnhookWindowsHookEx(creationHook);
  ASSERT_TRUE(formatTaken);
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(renderer.openGlReady());
  EXPECT_GT(probe.framesAtStep[0], probe.framesBefore);  // drawing nothing
  EXPECT_EQ(cursorCounter(), cursorBefore_);
}

// The system's display-state notification, as WM_POWERBROADCAST brings it:
// GUID_CONSOLE_DISPLAY_STATE with its 32-bit value (0 off, 1 on, 2 dimmed).
// GUID_POWER_SAVING_STATUS (battery saver) comes the same way: 1 on, 0 off.
void sendPowerSetting(HWND window, const GUID& guid, DWORD value) {
  alignas(8) unsigned char buffer[sizeof(POWERBROADCAST_SETTING) + 4] = {};
  auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(buffer);
  setting->PowerSetting = guid;
  setting->DataLength = sizeof(DWORD);
  std::memcpy(setting->Data, &value, sizeof(value));
  SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
               reinterpret_cast<LPARAM>(setting));
}
void sendDisplayState(HWND window, DWORD value) {
  const GUID consoleDisplayState = {
      0x6fe69556, 0x704a, 0x47a0,
      {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
  sendPowerSetting(window, consoleDisplayState, value);
}
void sendBatterySaver(HWND window, DWORD value) {
  const GUID powerSavingStatus = {
      0xe00958c0, 0xc213, 0x4ace,
      {0xac, 0x77, 0xfe, 0xcc, 0xed, 0x2e, 0xee, 0xa5}};
  sendPowerSetting(window, powerSavingStatus, value);
}

DWORD ticksAtStep[11] = {};
// Frames drawn from step 2 to 4 (display on), 6 to 8 (battery saver on)
// and 8 to 10 (off again).
long long framesBetween[3] = {};

void CALLBACK displayPowerSteps(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = rendererWindow();
  if (probe.step == 0 && framesDrawn() == probe.framesBefore &&
      ++probe.waits < 20) {
    return;
  }
  const int step = probe.step++;
  switch (step) {
    case 0:
      sendDisplayState(window, 0);  // the display went to sleep
      break;
    case 1:
      sendDisplayState(window, 2);  // dimmed: still seen
      break;
    default:
      break;
  }
  if (step < 3) probe.framesAtStep[step] = framesDrawn();
  if (step >= 2) ticksAtStep[step] = GetTickCount();
  if (step == 4 || step == 8 || step == 10) {
    framesBetween[(step - 4) / 3] = framesDrawn() - probe.framesBefore;
  }
  if (step == 2 || step == 6 || step == 8) probe.framesBefore = framesDrawn();
  if (step == 4) probe.waits = static_cast<int>(framesBetween[0]);
  // A step for the change to take hold before each count.
  if (step == 5) sendBatterySaver(window, 1);
  if (step == 8) sendBatterySaver(window, 0);
  if (step == 10) {
    KillTimer(nullptr, id);
    pressEscape();
  }
}

// Nothing is drawn while the display is off, and frames resume when it is
// back; they never outrun the 60 Hz Wine stands for (its swaps are unpaced);
// battery saver holds them to 30 a second until it goes off.
TEST_F(RendererRun, NoFramesWhileTheDisplayIsOffAndNoneBeyondItsRate) {
  probe.framesBefore = framesDrawn();
  SetTimer(nullptr, 0, 400, displayPowerSteps);
  EXPECT_EQ(runRenderer(GetModuleHandleA(nullptr)), 0);
  ASSERT_EQ(probe.step, 11);
  EXPECT_EQ(probe.framesAtStep[1], probe.framesAtStep[0]);  // 400 ms dark
  EXPECT_GT(probe.framesAtStep[2], probe.framesAtStep[1]);
  const double seconds = (ticksAtStep[4] - ticksAtStep[2]) / 1000.0;
  ASSERT_GT(seconds, 0.5);
  EXPECT_GT(probe.waits, 0);
  // One frame more than the span holds is the edges' jitter; unpaced, Wine
  // draws well over twice as many.
  EXPECT_LE(probe.waits, 60.0 * seconds + 1.0)
      << probe.waits << " frames in " << seconds << " s";
  const double saving = (ticksAtStep[8] - ticksAtStep[6]) / 1000.0;
  EXPECT_GT(framesBetween[1], 0);
  EXPECT_LE(framesBetween[1], 30.0 * saving + 1.0)
      << framesBetween[1] << " frames in " << saving << " s of battery saver";
  // Off again: more than 30 a second, unless the machine cannot draw them.
  const double after = (ticksAtStep[10] - ticksAtStep[8]) / 1000.0;
  EXPECT_GT(framesBetween[2] / after, framesBetween[1] / saving)
      << framesBetween[2] << " frames in " << after << " s after it";
}

}  // namespace
}  // namespace vantrel
