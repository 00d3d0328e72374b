// The renderer's whole run in this process: start-up, message loop and end,
// driven by thread timers that fire inside the loop.
#include <windows.h>

#include <gtest/gtest.h>

#include "renderer/win32_renderer.h"
#include "tests/renderer/settings_file_guard.h"

namespace vantrel {
namespace {

struct RunProbe {
  int cursorWhileRunning = 100;
  long long framesAtStep[3] = {-1, -1, -1};
  int step = 0;
};
RunProbe probe;

// The display counter of the cursor, without changing it.
int cursorCounter() {
  const int counter = ShowCursor(TRUE) - 1;
  ShowCursor(FALSE);
  return counter;
}

HWND rendererWindow() { return FindWindowA(nullptr, "Vantrel_VC"); }

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
    // The program leaves its window to the end of the process; here the
    // next run needs the class again.
    if (HWND window = rendererWindow()) DestroyWindow(window);
    UnregisterClassA("WINCLASS1", GetModuleHandleA(nullptr));
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    setStarPoolAllocator(nullptr);
  }
  SettingsFileGuard settings_;
  int cursorBefore_ = 0;
};

void CALLBACK escapeAfterFrames(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  probe.cursorWhileRunning = cursorCounter();
  probe.framesAtStep[0] = framesDrawn();
  pressEscape();
}

TEST_F(RendererRun, EscapeEndsWithZeroAndShowsTheCursorAgain) {
  SetTimer(nullptr, 0, 800, escapeAfterFrames);
  const long long framesBefore = framesDrawn();
  EXPECT_EQ(runRenderer(GetModuleHandleA(nullptr)), 0);
  EXPECT_EQ(probe.cursorWhileRunning, cursorBefore_ - 1);
  EXPECT_EQ(cursorCounter(), cursorBefore_);
  EXPECT_GT(probe.framesAtStep[0], framesBefore);  // the window was active
}

void CALLBACK activationSteps(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = rendererWindow();
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
  setStarPoolAllocator([](std::size_t) -> void* { return nullptr; });
  const UINT_PTR timer = SetTimer(nullptr, 0, 3000, safetyQuit);
  const long long framesBefore = framesDrawn();
  const DWORD start = GetTickCount();
  EXPECT_EQ(runRenderer(GetModuleHandleA(nullptr)), 0);
  EXPECT_LT(GetTickCount() - start, 2500u);  // did not wait in the loop
  KillTimer(nullptr, timer);
  EXPECT_EQ(framesDrawn(), framesBefore);
  EXPECT_EQ(cursorCounter(), cursorBefore_);
  EXPECT_EQ(rendererScene().starPool, nullptr);
}

}  // namespace
}  // namespace vantrel
