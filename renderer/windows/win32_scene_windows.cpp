#include "renderer/windows/win32_scene_windows.h"

#include <memory>

#include "renderer/windows/win32_renderer.h"
#include "renderer/windows/win32_window.h"

namespace vantrel {

namespace {

const char kSceneClassName[] = "VantrelScene";

// Open from openSceneWindows to closeSceneWindows.
HINSTANCE sceneInstance = nullptr;
std::vector<std::unique_ptr<SceneWindow>> sceneWindows;
int (*pixelFormatCall)(HDC dc) = nullptr;
unsigned windowsMade = 0;

bool registerSceneClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  // Own device context, as the main window's class, for OpenGL.
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = sceneWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = nullptr;  // no cursor over a scene window
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kSceneClassName;
  return RegisterClassExA(&windowClass) != 0;
}

// Stars that differ from the main window's and from each other's.
unsigned nextSeed() {
  ++windowsMade;
  return static_cast<unsigned>(GetTickCount()) + windowsMade * 2654435761u;
}

std::unique_ptr<SceneWindow> makeSceneWindow(const ScreenRect& rect) {
  SceneGl gl;
  gl.context = sharedRenderingContext();
  gl.ownContext = sceneContextsOwn();
  gl.switches = measuringSwitches();
  gl.setPixelFormat = pixelFormatCall;
  auto window = std::make_unique<SceneWindow>();
  if (!window->open(sceneInstance, kSceneClassName, rect, nextSeed(), gl))
    return nullptr;
  return window;
}

void onPaint(HWND window) {
  // Validate only: the scene is drawn by the loop, never on request.
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

}  // namespace

bool openSceneWindows(HINSTANCE instance) {
  if (!registerSceneClass(instance)) return false;
  sceneInstance = instance;
  return true;
}

void laySceneWindows(const std::vector<ScreenRect>& rects) {
  if (sceneInstance == nullptr) return;
  // A moved or resized monitor gets a new window: its stars, picture and
  // projection start again at the new size.
  std::size_t kept = 0;
  while (kept < sceneWindows.size() && kept < rects.size() &&
         sceneWindows[kept]->rect() == rects[kept]) {
    ++kept;
  }
  sceneWindows.resize(kept);
  for (std::size_t i = kept; i < rects.size(); ++i) {
    std::unique_ptr<SceneWindow> window = makeSceneWindow(rects[i]);
    if (window == nullptr) break;
    sceneWindows.push_back(std::move(window));
  }
  makeMainWindowCurrent();
}

void drawSceneWindows(const RendererState& shared, double elapsedSeconds,
                      float frameDelta) {
  if (sceneWindows.empty()) return;
  for (const auto& window : sceneWindows)
    window->drawFrame(shared, elapsedSeconds, frameDelta);
  makeMainWindowCurrent();
}

void closeSceneWindows() {
  if (sceneInstance == nullptr) return;
  makeMainWindowCurrent();
  sceneWindows.clear();
  makeMainWindowCurrent();
  UnregisterClassA(kSceneClassName, sceneInstance);
  sceneInstance = nullptr;
}

std::size_t sceneWindowCount() { return sceneWindows.size(); }
SceneWindow& sceneWindowAt(std::size_t index) { return *sceneWindows[index]; }

void setScenePixelFormatCall(int (*setPixelFormat)(HDC dc)) {
  pixelFormatCall = setPixelFormat;
}

LRESULT CALLBACK sceneWindowProc(HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  LRESULT result = 0;
  if (handleOtherMonitorMessage(message, wParam, lParam, result)) return result;
  if (message == WM_PAINT) {
    onPaint(window);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vantrel
