#include "renderer/windows/win32_window.h"

namespace vantrel {

namespace {

const char kClassName[] = "WINCLASS1";
const char kWindowTitle[] = "Vantrel_VC";

void onPaint(HWND window) {
  // Validate only: the scene is drawn by the loop, never on request.
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

// NOTE: the quit request, as closing the main window ends in; the window
// itself stays until its owner closes it, so a display change that destroys
// one never ends the program.
LRESULT onOtherMonitorClose() {
  PostQuitMessage(0);
  return 0;
}

// The hidden cursor stays hidden, whatever window set it last.
bool onOtherMonitorCursor(LPARAM lParam, LRESULT& result) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  SetCursor(nullptr);
  result = TRUE;
  return true;
}

// The messages that reach the renderer; false for the rest.
bool dispatchToOwner(WindowOwner& owner, UINT message, WPARAM wParam,
                     LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      owner.onSize(lParam);
      return false;  // then the default handling
    case WM_ACTIVATEAPP:
      owner.onActivateApp(wParam);
      return false;
    case WM_KEYDOWN:
      owner.onKey(wParam);
      result = 0;
      return true;
    case WM_DISPLAYCHANGE:
      owner.onDisplayChange();
      return false;
    case WM_POWERBROADCAST:
      result = owner.onPowerBroadcast(wParam, lParam);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK rendererWindowProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      keepWindowOwner(window, lParam);
      break;
    case WM_CREATE:
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      onPaint(window);
      return 0;
    default:
      break;
  }
  LRESULT result = 0;
  WindowOwner* owner = windowOwner(window);
  if (owner != nullptr &&
      dispatchToOwner(*owner, message, wParam, lParam, result)) {
    return result;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool handleOtherMonitorMessage(HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_NCCREATE:
      keepWindowOwner(window, lParam);
      return false;
    case WM_KEYDOWN:
      if (WindowOwner* owner = windowOwner(window)) owner->onKey(wParam);
      result = 0;
      return true;
    case WM_CLOSE:
      result = onOtherMonitorClose();
      return true;
    case WM_SETCURSOR:
      return onOtherMonitorCursor(lParam, result);
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

HWND createRendererWindow(HINSTANCE instance, int width, int height,
                          WindowOwner* owner) {
  return CreateWindowExA(0, kClassName, kWindowTitle, WS_POPUP | WS_VISIBLE, 0,
                         0, width, height, nullptr, nullptr, instance, owner);
}

}  // namespace vantrel
