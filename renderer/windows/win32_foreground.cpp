#include "renderer/windows/win32_foreground.h"

namespace vantrel {

namespace {

ForegroundCall foregroundCall = nullptr;

}  // namespace

void setForegroundCall(ForegroundCall call) { foregroundCall = call; }

void requestForeground(HWND window) {
  // NOTE: a process started by one that holds the foreground (a settings
  // page's preview button) may otherwise stay inactive, and so black; the
  // host grants its child the right with AllowSetForegroundWindow.
  if (foregroundCall != nullptr) {
    foregroundCall(window);
  } else {
    SetForegroundWindow(window);
  }
}

}  // namespace vantrel
