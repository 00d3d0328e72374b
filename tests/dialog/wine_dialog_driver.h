// Drives the real settings dialog of Vantrel.scr from a test process under
// Wine: starts the program, finds the dialog and its controls, clicks them
// with real mouse input, and reads the settings file's bytes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/host/win32_process_helpers.h"

namespace vantrel::test {

extern const wchar_t kDialogTitle[];  // ■Vantrel■
extern const char kIniPath[];         // C:\orlek_temp\Vantrel.ini

// A started program; ended (and waited for) when it goes out of scope.
class Program {
 public:
  Program() = default;
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool start(const std::wstring& exePath, const std::wstring& arguments);
  // True once the process has ended within timeoutMs; its exit code then.
  bool waitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
  bool running() const;

 private:
  PROCESS_INFORMATION pi_{};
};

std::wstring programPath();  // Vantrel.scr beside this test

// Polls until predicate holds or timeoutMs passes.
bool waitFor(const std::function<bool()>& predicate, DWORD timeoutMs);

HWND waitForTopWindow(const wchar_t* title, DWORD timeoutMs);
HWND findControl(HWND dialog, const std::string& name, int index = -1);
std::wstring windowText(HWND window);

// Real mouse input at a window's centre (or at offset from its top-left).
void click(HWND window, bool rightButton = false);
void clickAt(HWND window, int x, int y, bool rightButton = false);

// The screen pixel at (x, y) of window's client area.
COLORREF clientPixel(HWND window, int x, int y);

// True when any pixel of window's client area on screen is not black.
bool anyLitPixel(HWND window);

// Whole-file bytes; empty when missing.
std::string readFileBytes(const std::string& path);
bool writeFileBytes(const std::string& path, const std::string& bytes);

// Saves the screen as a 24-bit BMP under <build>/win/screenshots/.
bool saveScreenshot(const std::string& name);

}  // namespace vantrel::test
