#pragma once
// The scene windows over the monitors beside the main window, drawn one
// after another in each frame. Platform header.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "renderer/windows/win32_scene_window.h"
#include "renderer/windows/win32_window_owner.h"

namespace vantrel {

class SceneWindows {
 public:
  SceneWindows() = default;
  ~SceneWindows() { close(); }
  SceneWindows(const SceneWindows&) = delete;
  SceneWindows& operator=(const SceneWindows&) = delete;

  // Registers the scene window class; false, and no scene windows later,
  // when refused. The windows draw with `gl` and their messages reach
  // `owner`, which also gets its context back after each of them.
  bool open(HINSTANCE instance, WindowOwner* owner, const SceneGl& gl);
  // Keeps the scene windows already over `rects`, makes the missing ones and
  // destroys the rest, then makes the main window current again.
  void lay(const std::vector<ScreenRect>& rects);
  // One frame on every scene window (the main window drawn and swapped
  // before), at the main window's time, speed and star count.
  void draw(const RendererState& shared, double elapsedSeconds,
            float frameDelta);
  // Destroys every scene window and unregisters the class; needs the context
  // still alive.
  void close();

  std::size_t count() const { return windows_.size(); }
  SceneWindow& at(std::size_t index) { return *windows_[index]; }

 private:
  std::unique_ptr<SceneWindow> make(const ScreenRect& rect);
  unsigned nextSeed();

  HINSTANCE instance_ = nullptr;  // set while the class is registered
  WindowOwner* owner_ = nullptr;
  SceneGl gl_;
  std::vector<std::unique_ptr<SceneWindow>> windows_;
  unsigned made_ = 0;
};

}  // namespace vantrel
