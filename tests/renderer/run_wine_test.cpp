// The renderer's whole run in this process: start-up, message loop and end,
// driven by thread timers that fire inside the loop.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "renderer/windows/wgl_context.h"
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
    setStarPoolAllocator(nullptr);
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
  const int code = runRenderer(GetModuleHandleA(nullptr));
  UnhookWindowsHookEx(creationHook);
  ASSERT_TRUE(formatTaken);
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(openGlReady());
  EXPECT_GT(probe.framesAtStep[0], probe.framesBefore);  // drawing nothing
  EXPECT_EQ(cursorCounter(), cursorBefore_);
}

}  // namespace
}  // namespace vantrel
