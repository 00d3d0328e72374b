#pragma once
// Clears what a whole renderer run leaves in a test process, so the next run
// can start.
#include <windows.h>

namespace vantrel {

// The program leaves its window to the end of the process; here the next run
// needs the class again, and an empty queue.
inline void clearRendererRun() {
  if (HWND window = FindWindowA(nullptr, "Vantrel_VC")) DestroyWindow(window);
  UnregisterClassA("WINCLASS1", GetModuleHandleA(nullptr));
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace vantrel
