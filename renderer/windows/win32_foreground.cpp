#include "renderer/windows/win32_foreground.h"

namespace vantrel {

void requestForeground(HWND window, ForegroundCall call) {
  // NOTE: a process started by one that holds the foreground (a settings
  // page's preview button) may otherwise stay inactive, and so black; the
  // host grants its child the right with AllowSetForegroundWindow.
  if (call != nullptr) {
    call(window);
  } else {
    SetForegroundWindow(window);
  }
}

}  // namespace vantrel
