#include "renderer/windows/win32_covers.h"

#include "renderer/windows/win32_window.h"

namespace vantrel {

namespace {

const char kCoverClassName[] = "VantrelCover";
const char kCoverTitle[] = "Vantrel_Cover";

LRESULT CALLBACK coverWindowProc(HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  LRESULT result = 0;
  if (handleOtherMonitorMessage(window, message, wParam, lParam, result))
    return result;
  return DefWindowProcA(window, message, wParam, lParam);
}

bool registerCoverClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = coverWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = nullptr;  // no cursor over a cover
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kCoverClassName;
  return RegisterClassExA(&windowClass) != 0;
}

void placeCover(HWND window, const ScreenRect& rect) {
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool Covers::open(HINSTANCE instance, WindowOwner* owner) {
  if (!registerCoverClass(instance)) return false;
  instance_ = instance;
  owner_ = owner;
  return true;
}

// NOTE: shown without activation, so creating covers never takes the
// foreground from the main window. A tool window keeps them off the taskbar
// and out of Alt+Tab.
HWND Covers::create(const ScreenRect& rect) {
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kCoverClassName, kCoverTitle,
                                WS_POPUP, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top,
                                nullptr, nullptr, instance_, owner_);
  if (window != nullptr) ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

// Reuses the covers there are, then destroys the surplus or makes the rest.
void Covers::lay(const std::vector<ScreenRect>& rects) {
  if (instance_ == nullptr) return;
  while (windows_.size() > rects.size()) {
    DestroyWindow(windows_.back());
    windows_.pop_back();
  }
  for (std::size_t i = 0; i < windows_.size(); ++i)
    placeCover(windows_[i], rects[i]);
  while (windows_.size() < rects.size()) {
    HWND window = create(rects[windows_.size()]);
    if (window == nullptr) return;
    windows_.push_back(window);
  }
}

void Covers::close() {
  if (instance_ == nullptr) return;
  lay({});
  UnregisterClassA(kCoverClassName, instance_);
  instance_ = nullptr;
  owner_ = nullptr;
}

}  // namespace vantrel
