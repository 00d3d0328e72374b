// A small Windows helper for the two-monitor test: what Windows sees of the
// monitors and the renderer's windows, and which window gets the keys.
//   monitors            one line a monitor: left top right bottom [primary]
//   windows             one line a visible Vantrel window: title left top
//                       right bottom
//   processes           one line a running Vantrel.scr or Vantrel.dll
//   foreground TITLE    makes that window the foreground; exit code 1 if
//                       there is none or it refuses
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

namespace {

BOOL CALLBACK printMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoA(monitor, &info)) return TRUE;
  const RECT& r = info.rcMonitor;
  std::printf("%ld %ld %ld %ld%s\n", r.left, r.top, r.right, r.bottom,
              (info.dwFlags & MONITORINFOF_PRIMARY) ? " primary" : "");
  return TRUE;
}

BOOL CALLBACK printWindow(HWND window, LPARAM) {
  char title[64] = "";
  GetWindowTextA(window, title, sizeof(title));
  if (std::strncmp(title, "Vantrel_", 8) != 0 || !IsWindowVisible(window))
    return TRUE;
  RECT r = {};
  GetWindowRect(window, &r);
  std::printf("%s %ld %ld %ld %ld\n", title, r.left, r.top, r.right, r.bottom);
  return TRUE;
}

void printProcesses() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more;
       more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, "Vantrel.scr") == 0 ||
        lstrcmpiA(entry.szExeFile, "Vantrel.dll") == 0) {
      std::printf("%s\n", entry.szExeFile);
    }
  }
  CloseHandle(snapshot);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "monitors") == 0) {
    EnumDisplayMonitors(nullptr, nullptr, printMonitor, 0);
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "windows") == 0) {
    EnumWindows(printWindow, 0);
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "processes") == 0) {
    printProcesses();
    return 0;
  }
  if (argc >= 3 && std::strcmp(argv[1], "foreground") == 0) {
    HWND window = FindWindowA(nullptr, argv[2]);
    if (window == nullptr || !SetForegroundWindow(window)) return 1;
    // NOTE: another process's window is activated by its own thread, a
    // moment later.
    for (int i = 0; i < 60 && GetForegroundWindow() != window; ++i) Sleep(50);
    return GetForegroundWindow() == window ? 0 : 1;
  }
  std::fprintf(stderr, "usage: monitor_probe monitors|windows|processes|"
                       "foreground TITLE\n");
  return 2;
}
