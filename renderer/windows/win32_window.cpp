#include "renderer/windows/win32_window.h"

#include "renderer/scene/renderer_state.h"
#include "renderer/windows/virtual_keys.h"
#include "renderer/windows/win32_display_power.h"
#include "renderer/windows/win32_monitors.h"
#include "renderer/windows/win32_pacing.h"
#include "renderer/windows/win32_renderer.h"

namespace vantrel {

namespace {

const char kClassName[] = "WINCLASS1";
const char kWindowTitle[] = "Vantrel_VC";

int activeFlag = 0;

void onSize(LPARAM lParam) {
  applyClientSize(rendererState(),
                  viewSizeFromSizeParam(static_cast<unsigned>(lParam)));
  // Before the context exists this does nothing; initOpenGL sets the same.
  resetPixelProjection();
}

void onPaint(HWND window) {
  // Validate only: the scene is drawn by the loop, never on request.
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

}  // namespace

void handleRendererKey(WPARAM key) {
  // NOTE: the quit request ends the loop; the window itself stays until the
  // process ends, as the host only watches for its title to disappear.
  if (handleKey(rendererState(),
                sceneKeyForVirtualKey(static_cast<unsigned>(key))) ==
      KeyResult::Quit) {
    PostQuitMessage(0);
  }
}

bool handleOtherMonitorMessage(UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result) {
  switch (message) {
    case WM_KEYDOWN:
      handleRendererKey(wParam);
      result = 0;
      return true;
    case WM_CLOSE:
      // NOTE: the quit request, as closing the main window ends in; the
      // window itself stays until its owner closes it, so a display change
      // that destroys one never ends the program.
      PostQuitMessage(0);
      result = 0;
      return true;
    case WM_SETCURSOR:
      // The hidden cursor stays hidden, whatever window set it last.
      if (LOWORD(lParam) != HTCLIENT) return false;
      SetCursor(nullptr);
      result = TRUE;
      return true;
    default:
      return false;
  }
}

bool registerRendererClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
  windowClass.lpfnWndProc = rendererWindowProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kClassName;
  windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
  return RegisterClassExA(&windowClass) != 0;
}

HWND createRendererWindow(HINSTANCE instance, int width, int height) {
  return CreateWindowExA(0, kClassName, kWindowTitle, WS_POPUP | WS_VISIBLE, 0,
                         0, width, height, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK rendererWindowProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      onSize(lParam);
      break;
    case WM_PAINT:
      onPaint(window);
      return 0;
    case WM_ACTIVATEAPP:
      activeFlag = static_cast<int>(wParam);
      break;
    case WM_KEYDOWN:
      handleRendererKey(wParam);
      return 0;
    case WM_DISPLAYCHANGE:
      followDisplayChange();
      followRefreshRate();
      break;
    case WM_POWERBROADCAST:
      return onPowerBroadcast(wParam, lParam);
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int appActive() { return activeFlag; }

}  // namespace vantrel
