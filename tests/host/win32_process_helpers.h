// Helpers for tests that run Vantrel.scr as a separate process under Wine.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel {
namespace test {

// The folder of the running test program (where the build put every program).
std::wstring binFolder();

// A started process that is ended, if still running, when this goes away.
class ChildProcess {
 public:
  // Runs "<program>" <arguments> with extra environment variables set for it
  // (NAME=value, separated by '\n').
  ChildProcess(const std::wstring& program, const std::wstring& arguments,
               const std::string& environment = std::string());
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  // Waits up to ms (pumping this thread's messages); true once it has ended.
  bool waitForEnd(DWORD ms);
  bool running() const;
  DWORD exitCode() const;

 private:
  PROCESS_INFORMATION info_ = {};
};

// Pumps this thread's messages for ms milliseconds.
void pumpFor(DWORD ms);

// Waits (pumping messages) up to ms for a top-level window with that title.
HWND waitForWindow(const wchar_t* title, DWORD ms, const wchar_t* className = nullptr);

// Ends every process with a top-level window of that title (test clean-up).
void endProcessesOwning(const wchar_t* title);

// Waits (pumping messages) up to ms until no top-level window has that
// title; true when none is left.
bool waitForNoWindow(const wchar_t* title, DWORD ms);

bool copyInto(const std::wstring& from, const std::wstring& to);

}  // namespace test
}  // namespace vantrel
