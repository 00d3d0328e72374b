#include "renderer/windows/win32_covers.h"

#include "renderer/windows/win32_window.h"

namespace vantrel {

namespace {

const char kCoverClassName[] = "VantrelCover";
const char kCoverTitle[] = "Vantrel_Cover";

// Open from openCovers to closeCovers.
HINSTANCE coverInstance = nullptr;
std::vector<HWND> covers;

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

// NOTE: shown without activation, so creating covers never takes the
// foreground from the main window. A tool window keeps them off the taskbar
// and out of Alt+Tab.
HWND createCover(const ScreenRect& rect) {
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kCoverClassName, kCoverTitle,
                                WS_POPUP, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top,
                                nullptr, nullptr, coverInstance, nullptr);
  if (window != nullptr) ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

void placeCover(HWND window, const ScreenRect& rect) {
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool openCovers(HINSTANCE instance) {
  if (!registerCoverClass(instance)) return false;
  coverInstance = instance;
  return true;
}

// Reuses the covers there are, then destroys the surplus or makes the rest.
void layCovers(const std::vector<ScreenRect>& rects) {
  if (coverInstance == nullptr) return;
  while (covers.size() > rects.size()) {
    DestroyWindow(covers.back());
    covers.pop_back();
  }
  for (std::size_t i = 0; i < covers.size(); ++i)
    placeCover(covers[i], rects[i]);
  while (covers.size() < rects.size()) {
    HWND window = createCover(rects[covers.size()]);
    if (window == nullptr) return;
    covers.push_back(window);
  }
}

void closeCovers() {
  if (coverInstance == nullptr) return;
  layCovers({});
  UnregisterClassA(kCoverClassName, coverInstance);
  coverInstance = nullptr;
}

LRESULT CALLBACK coverWindowProc(HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  LRESULT result = 0;
  if (handleOtherMonitorMessage(message, wParam, lParam, result)) return result;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vantrel
