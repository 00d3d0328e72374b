// A stand-in for Vantrel.dll in the host's tests: waits, then shows a window
// titled "Vantrel_VC" and ends when that window is closed.
//   VANTREL_FAKE_DELAY_MS   wait before the window appears (default 0)
//   VANTREL_FAKE_NO_WINDOW  when set, end after the wait without a window
//   VANTREL_FAKE_REPORT     a file that receives the show command it was
//                           started with and its whole command line
// The window is never shown: hidden windows are found by title too, and a
// hidden one closes at once under Wine.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK fakeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

DWORD envNumber(const char* name) {
  char buf[32] = {};
  if (!GetEnvironmentVariableA(name, buf, sizeof buf)) return 0;
  return static_cast<DWORD>(std::strtoul(buf, nullptr, 10));
}

void report(int show) {
  char path[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("VANTREL_FAKE_REPORT", path, MAX_PATH)) return;
  FILE* file = std::fopen(path, "wb");
  if (!file) return;
  std::fprintf(file, "show %d\ncommand line %s\n", show, GetCommandLineA());
  std::fclose(file);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  STARTUPINFOA si = {};
  GetStartupInfoA(&si);
  report((si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1);
  Sleep(envNumber("VANTREL_FAKE_DELAY_MS"));
  if (GetEnvironmentVariableA("VANTREL_FAKE_NO_WINDOW", nullptr, 0)) return 3;
  WNDCLASSW wc = {};
  wc.lpfnWndProc = fakeProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"FakeRenderer";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowW(L"FakeRenderer", L"Vantrel_VC", WS_POPUP, 0, 0, 64, 48, nullptr,
                            nullptr, instance, nullptr);
  if (!hwnd) return 2;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
