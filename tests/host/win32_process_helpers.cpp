#include "tests/host/win32_process_helpers.h"

#include <vector>

namespace vantrel {
namespace test {

std::wstring binFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path);
  return p.substr(0, p.find_last_of(L'\\'));
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments,
                           const std::string& environment) {
  std::vector<std::string> names;
  std::size_t pos = 0;
  while (pos < environment.size()) {
    std::size_t nl = environment.find('\n', pos);
    std::string entry = environment.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
    std::size_t eq = entry.find('=');
    if (eq != std::string::npos) {
      names.push_back(entry.substr(0, eq));
      SetEnvironmentVariableA(names.back().c_str(), entry.substr(eq + 1).c_str());
    }
    if (nl == std::string::npos) break;
    pos = nl + 1;
  }
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &si, &info_)) {
    info_ = {};
  } else {
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
  }
  for (const std::string& n : names) SetEnvironmentVariableA(n.c_str(), nullptr);
}

ChildProcess::~ChildProcess() {
  if (!info_.hProcess) return;
  if (running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hProcess);
}

bool ChildProcess::waitForEnd(DWORD ms) {
  if (!info_.hProcess) return true;
  const DWORD start = GetTickCount();
  for (;;) {
    DWORD left = ms - (GetTickCount() - start);
    if (GetTickCount() - start >= ms) left = 0;
    DWORD r = MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, left, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) return true;
    if (r != WAIT_OBJECT_0 + 1) return !running();
    pumpFor(0);
  }
}

bool ChildProcess::running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::exitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void pumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (ms) Sleep(10);
  } while (GetTickCount() - start < ms);
}

HWND waitForWindow(const wchar_t* title, DWORD ms, const wchar_t* className) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND hwnd = FindWindowW(className, title);
    if (hwnd || GetTickCount() - start >= ms) return hwnd;
    pumpFor(20);
  }
}

void endProcessesOwning(const wchar_t* title) {
  for (int i = 0; i < 10; ++i) {
    HWND hwnd = FindWindowW(nullptr, title);
    if (!hwnd) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId()) {
      DestroyWindow(hwnd);
      continue;
    }
    HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (p) {
      TerminateProcess(p, 98);
      WaitForSingleObject(p, 5000);
      CloseHandle(p);
    }
  }
}

bool waitForNoWindow(const wchar_t* title, DWORD ms) {
  const DWORD start = GetTickCount();
  while (FindWindowW(nullptr, title)) {
    if (GetTickCount() - start >= ms) return false;
    pumpFor(50);
  }
  return true;
}

bool copyInto(const std::wstring& from, const std::wstring& to) {
  return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

}  // namespace test
}  // namespace vantrel
