#include "host/win32_single_instance.h"

#include <windows.h>

namespace vantrel {
namespace {

// Window titles of a running saver and an open settings dialog. UTF-16, so
// the black squares (U+25A0) match on every system code page.
const wchar_t kSaverTitle[] = L"Vantrel_Main";
const wchar_t kDialogTitle[] = L"\u25a0Vantrel\u25a0";
// NOTE: "Local\" is the user's session: other sessions run their own saver.
const wchar_t kMutexName[] = L"Local\\Vantrel.SaverOrSettings";

bool mutexExists() {
  HANDLE existing = OpenMutexW(SYNCHRONIZE, FALSE, kMutexName);
  if (existing) {
    CloseHandle(existing);
    return true;
  }
  // A mutex made by a start with other rights is there all the same.
  return GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

bool anotherInstanceOpen() {
  return FindWindowW(nullptr, kSaverTitle) != nullptr ||
         FindWindowW(nullptr, kDialogTitle) != nullptr || mutexExists();
}

bool claimSingleInstance() {
  // The handle is never closed: the mutex must live exactly as long as this
  // process, and its end (however it comes) releases it.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
  const DWORD error = GetLastError();
  if (!mutex) return error != ERROR_ACCESS_DENIED;
  if (error != ERROR_ALREADY_EXISTS) return true;
  CloseHandle(mutex);
  return false;
}

void waitAtStartGate() {
  wchar_t name[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"VANTREL_START_GATE", name, MAX_PATH)) return;
  HANDLE gate = OpenEventW(SYNCHRONIZE, FALSE, name);
  if (!gate) return;
  WaitForSingleObject(gate, 10000);
  CloseHandle(gate);
}

}  // namespace vantrel
