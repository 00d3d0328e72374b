// The real Vantrel.dll as the host starts it: a separate process found by
// its window title.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/renderer/settings_file_guard.h"

namespace vantrel {
namespace {

std::string binFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder;
}

std::string programPath() { return binFolder() + "Vantrel.dll"; }

struct FindContext {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK findProcessWindow(HWND window, LPARAM lParam) {
  auto* context = reinterpret_cast<FindContext*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char title[64] = "";
  GetWindowTextA(window, title, sizeof(title));
  if (owner == context->processId && std::string(title) == "Vantrel_VC") {
    context->found = window;
    return FALSE;
  }
  return TRUE;
}

class RendererProgram : public ::testing::Test {
 protected:
  void TearDown() override {
    // A renderer left running would hold the test run until its timeout.
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
      }
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }

  // Starts the renderer and waits for its window.
  HWND start() {
    const std::string path = programPath();
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &startup, &process_)) {
      ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
      return nullptr;
    }
    for (int i = 0; i < 300; ++i) {
      // FindWindowA is what the host uses; the process check keeps a window
      // of an earlier run from answering.
      HWND window = FindWindowA(nullptr, "Vantrel_VC");
      if (window != nullptr) {
        FindContext context = {process_.dwProcessId, nullptr};
        EnumWindows(findProcessWindow, reinterpret_cast<LPARAM>(&context));
        if (context.found != nullptr) return context.found;
      }
      Sleep(50);
    }
    ADD_FAILURE() << "no window titled Vantrel_VC";
    return nullptr;
  }

  // Waits for the process to end; its exit code, or -1 if it does not.
  long waitForExit(DWORD ms = 10000) {
    if (WaitForSingleObject(process_.hProcess, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
  }

  bool stillRunning() {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
  }

  static RECT windowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
  }

  SettingsFileGuard settings_;
  PROCESS_INFORMATION process_ = {};
};

TEST_F(RendererProgram, WindowFromSettingsFileAndEscapeEndsWithZero) {
  settings_.write("[Settings]\r\nWidth= 640\r\nHeight= 480\r\n");
  HWND window = start();
  ASSERT_NE(window, nullptr);
  char text[64] = "";
  GetClassNameA(window, text, sizeof(text));
  EXPECT_STREQ(text, "WINCLASS1");
  GetWindowTextA(window, text, sizeof(text));
  EXPECT_STREQ(text, "Vantrel_VC");
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE), WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_SYSMENU), 0);
  EXPECT_EQ(GetParent(window), nullptr);
  const RECT rect = windowRect(window);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, 640);
  EXPECT_EQ(rect.bottom, 480);

  PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(waitForExit(), 0);
  EXPECT_EQ(FindWindowA(nullptr, "Vantrel_VC"), nullptr);
}

TEST_F(RendererProgram, MissingFileGivesDefaultSizeAndCloseEndsWithZero) {
  settings_.remove();
  HWND window = start();
  ASSERT_NE(window, nullptr);
  const RECT rect = windowRect(window);
  EXPECT_EQ(rect.right - rect.left, 1024);
  EXPECT_EQ(rect.bottom - rect.top, 768);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(waitForExit(), 0);
}

TEST_F(RendererProgram, BrokenSizesFallBackToDefaults) {
  settings_.write("[Settings]\r\nWidth=-640\r\nHeight= 99999\r\n");
  HWND window = start();
  ASSERT_NE(window, nullptr);
  RECT rect = windowRect(window);
  EXPECT_EQ(rect.right - rect.left, 1024);
  EXPECT_EQ(rect.bottom - rect.top, 768);
  PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(waitForExit(), 0);

  settings_.write("[Settings]\r\nWidth=\xff\xfe\x80text\r\nHeight=0\r\n");
  window = start();
  ASSERT_NE(window, nullptr);
  rect = windowRect(window);
  EXPECT_EQ(rect.right - rect.left, 1024);
  EXPECT_EQ(rect.bottom - rect.top, 768);
  PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(waitForExit(), 0);
}

TEST_F(RendererProgram, ArrowsOtherKeysAndMouseDoNotEndIt) {
  settings_.write("[Settings]\r\nWidth= 320\r\nHeight= 240\r\n");
  HWND window = start();
  ASSERT_NE(window, nullptr);
  const WPARAM keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE, 'A'};
  for (WPARAM key : keys) PostMessageA(window, WM_KEYDOWN, key, 0);
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  Sleep(700);
  EXPECT_TRUE(stillRunning());
  EXPECT_NE(FindWindowA(nullptr, "Vantrel_VC"), nullptr);
  PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(waitForExit(), 0);
}

// NOTE: the platform gives each GUI thread a hidden top-level window of its
// own ("Default IME"), so only visible windows count.
struct ProcessWindows {
  DWORD processId;
  std::string classes;  // of the process's visible top-level windows
  int count;
};

BOOL CALLBACK listProcessWindows(HWND window, LPARAM lParam) {
  auto* list = reinterpret_cast<ProcessWindows*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != list->processId || !IsWindowVisible(window)) return TRUE;
  char name[64] = "";
  GetClassNameA(window, name, sizeof(name));
  list->classes += std::string(list->count++ > 0 ? " " : "") + name;
  return TRUE;
}

TEST_F(RendererProgram, OneMonitorGivesOneTopLevelWindowAndNoCover) {
  // The size the host writes: the primary's, which the window then fills.
  settings_.write("[Settings]\r\nWidth= " +
                  std::to_string(GetSystemMetrics(SM_CXSCREEN)) +
                  "\r\nHeight= " +
                  std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "\r\n");
  HWND window = start();
  ASSERT_NE(window, nullptr);
  // Answered from the message loop, so the covers would be there by now.
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000,
                                &answer),
            0);
  ProcessWindows list = {process_.dwProcessId, "", 0};
  EnumWindows(listProcessWindows, reinterpret_cast<LPARAM>(&list));
  EXPECT_EQ(list.count, 1) << list.classes;
  EXPECT_EQ(list.classes, "WINCLASS1");
  PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(waitForExit(), 0);
}

// Runs vantrel_still with the given arguments; its exit code, or -1.
long runStill(const std::string& arguments) {
  const std::string path = binFolder() + "vantrel_still.exe";
  std::string commandLine = "\"" + path + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                      0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  long code = -1;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    code = static_cast<long>(exitCode);
  } else {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return code;
}

std::string readFile(const std::string& path) {
  std::string bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
      bytes.append(buffer, n);
    std::fclose(file);
  }
  return bytes;
}

// Means of 8x8-pixel blocks of a 24-bit BMP's light, and their mean.
std::vector<double> blockMeans(const std::string& bmp, int width, int height,
                               double& mean) {
  const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) & ~3u;
  std::vector<double> means;
  mean = 0.0;
  for (int by = 0; by + 8 <= height; by += 8) {
    for (int bx = 0; bx + 8 <= width; bx += 8) {
      double total = 0.0;
      for (int y = by; y < by + 8; ++y) {
        for (int x = bx * 3; x < (bx + 8) * 3; ++x) {
          total += static_cast<unsigned char>(bmp[54 + y * row + x]);
        }
      }
      means.push_back(total / (8 * 8 * 3));
      mean += means.back();
    }
  }
  if (!means.empty()) mean /= static_cast<double>(means.size());
  return means;
}

TEST(StillPicture, SameArgumentsGiveTheSameLitPicture) {
  const std::string first = binFolder() + "still_test_a.bmp";
  const std::string second = binFolder() + "still_test_b.bmp";
  ASSERT_EQ(runStill("152 112 7 90 \"" + first + "\""), 0);
  // 30 frames a second is the default.
  ASSERT_EQ(runStill("152 112 7 90 \"" + second + "\" 30"), 0);
  const std::string a = readFile(first);
  const std::string b = readFile(second);
  DeleteFileA(first.c_str());
  DeleteFileA(second.c_str());
  const std::size_t rowBytes = (152 * 3 + 3) & ~3u;
  ASSERT_EQ(a.size(), 54 + rowBytes * 112);
  EXPECT_EQ(a.compare(0, 2, "BM"), 0);
  EXPECT_EQ(static_cast<unsigned char>(a[18]), 152);
  EXPECT_EQ(static_cast<unsigned char>(a[22]), 112);
  EXPECT_EQ(a, b);
  std::size_t lit = 0;
  for (std::size_t i = 54; i < a.size(); ++i) lit += a[i] != 0 ? 1 : 0;
  EXPECT_GT(lit, a.size() / 4);
}

TEST(StillPicture, ThreeSecondsLookAlikeAtThirtyAndAHundredAndTwentyFps) {
  const std::string slow = binFolder() + "still_test_30.bmp";
  const std::string fast = binFolder() + "still_test_120.bmp";
  ASSERT_EQ(runStill("320 240 7 90 \"" + slow + "\" 30"), 0);
  ASSERT_EQ(runStill("320 240 7 360 \"" + fast + "\" 120"), 0);
  const std::string a = readFile(slow);
  const std::string b = readFile(fast);
  DeleteFileA(slow.c_str());
  DeleteFileA(fast.c_str());
  ASSERT_EQ(a.size(), b.size());
  ASSERT_EQ(a.size(), 54u + 320 * 3 * 240);
  double meanA = 0.0, meanB = 0.0;
  const std::vector<double> blocksA = blockMeans(a, 320, 240, meanA);
  const std::vector<double> blocksB = blockMeans(b, 320, 240, meanB);
  ASSERT_GT(meanA, 1.0);
  double difference = 0.0;
  for (std::size_t i = 0; i < blocksA.size(); ++i) {
    difference += std::fabs(blocksA[i] - blocksB[i]);
  }
  difference /= static_cast<double>(blocksA.size()) * meanA;
  // Fading and lighting by the frame count instead of time differ by
  // about 0.3 here.
  EXPECT_LT(difference, 0.1);
  EXPECT_NEAR(meanB / meanA, 1.0, 0.1);
}

TEST(StillPicture, BadArgumentsAreRefused) {
  EXPECT_EQ(runStill("152 112 7"), 2);
  EXPECT_EQ(runStill("0 112 7 90 x.bmp"), 2);
  EXPECT_EQ(runStill("152 abc 7 90 x.bmp"), 2);
  for (const char* rate : {"9", "241", "60fps", ""}) {
    EXPECT_EQ(runStill(std::string("152 112 7 90 x.bmp \"") + rate + "\""), 2)
        << rate;
  }
  EXPECT_EQ(runStill("152 112 7 90 x.bmp 60 7"), 2);
  EXPECT_EQ(runStill("152 112 7 90 \"Q:\\no\\such\\folder\\x.bmp\""), 1);
}

}  // namespace
}  // namespace vantrel
