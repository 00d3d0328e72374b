#include "renderer/windows/win32_scene_windows.h"

#include "renderer/windows/win32_window.h"

namespace vantrel {

namespace {

const char kSceneClassName[] = "VantrelScene";

void onPaint(HWND window) {
  // Validate only: the scene is drawn by the loop, never on request.
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

LRESULT CALLBACK sceneWindowProc(HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  LRESULT result = 0;
  if (handleOtherMonitorMessage(window, message, wParam, lParam, result))
    return result;
  if (message == WM_PAINT) {
    onPaint(window);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

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

}  // namespace

bool SceneWindows::open(HINSTANCE instance, WindowOwner* owner,
                        const SceneGl& gl) {
  if (!registerSceneClass(instance)) return false;
  instance_ = instance;
  owner_ = owner;
  gl_ = gl;
  return true;
}

// Stars that differ from the main window's and from each other's.
unsigned SceneWindows::nextSeed() {
  ++made_;
  return static_cast<unsigned>(GetTickCount()) + made_ * 2654435761u;
}

std::unique_ptr<SceneWindow> SceneWindows::make(const ScreenRect& rect) {
  auto window = std::make_unique<SceneWindow>();
  if (!window->open(instance_, kSceneClassName, rect, nextSeed(), gl_, owner_))
    return nullptr;
  return window;
}

void SceneWindows::lay(const std::vector<ScreenRect>& rects) {
  if (instance_ == nullptr) return;
  // A moved or resized monitor gets a new window: its stars, picture and
  // projection start again at the new size.
  std::size_t kept = 0;
  while (kept < windows_.size() && kept < rects.size() &&
         windows_[kept]->rect() == rects[kept]) {
    ++kept;
  }
  windows_.resize(kept);
  for (std::size_t i = kept; i < rects.size(); ++i) {
    std::unique_ptr<SceneWindow> window = make(rects[i]);
    if (window == nullptr) break;
    windows_.push_back(std::move(window));
  }
  owner_->makeMainWindowCurrent();
}

void SceneWindows::draw(const RendererState& shared, double elapsedSeconds,
                        float frameDelta) {
  if (windows_.empty()) return;
  for (const auto& window : windows_)
    window->drawFrame(shared, elapsedSeconds, frameDelta);
  owner_->makeMainWindowCurrent();
}

void SceneWindows::close() {
  if (instance_ == nullptr) return;
  owner_->makeMainWindowCurrent();
  windows_.clear();
  owner_->makeMainWindowCurrent();
  UnregisterClassA(kSceneClassName, instance_);
  instance_ = nullptr;
  owner_ = nullptr;
}

}  // namespace vantrel
