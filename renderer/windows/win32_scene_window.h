#pragma once
// A window of the renderer's own over a monitor beside the main window: its
// own stars, size, projection and kept picture, drawn with the main window's
// rendering context and the same ribbon. Platform header.
#include <windows.h>

#include "renderer/gl/measuring_switches.h"
#include "renderer/gl/scene_view.h"
#include "renderer/windows/cover_layout.h"
#include "renderer/windows/win32_window_owner.h"

namespace vantrel {

// What a scene window draws with.
struct SceneGl {
  HGLRC context = nullptr;  // the main window's; nullptr: no OpenGL at all
  // A context of the window's own, sharing the main one's GL objects,
  // instead of the main context made current here in turn.
  bool ownContext = false;
  MeasuringSwitches switches;
  int (*setPixelFormat)(HDC dc) = nullptr;  // nullptr: setPixelFormatOn
};

class SceneWindow {
 public:
  SceneWindow() = default;
  virtual ~SceneWindow();
  SceneWindow(const SceneWindow&) = delete;
  SceneWindow& operator=(const SceneWindow&) = delete;

  // Makes and shows the window over `rect` without activating it, its stars
  // from `seed`, and OpenGL on it. False only when the window or its stars
  // cannot be had; without OpenGL it stays black. Leaves the context current
  // on this window when OpenGL is set up: the caller restores its own. The
  // window's messages reach `owner`.
  bool open(HINSTANCE instance, const char* className, const ScreenRect& rect,
            unsigned seed, const SceneGl& gl, WindowOwner* owner);
  // One frame at the shared time, speed and star count: this window's
  // projection, step, drawing and swap. Leaves the context current here;
  // does nothing without OpenGL.
  void drawFrame(const RendererState& shared, double elapsedSeconds,
                 float frameDelta);
  // Frees the kept picture and the window's own context if it has one, the
  // stars and the window. With the shared context, that context must be
  // current (on any window); with its own, the caller restores its current
  // context after.
  void close();

  HWND window() const { return window_; }
  bool glReady() const { return glReady_; }
  const ScreenRect& rect() const { return rect_; }
  Scene& scene() { return view_.scene(); }
  TrailKeeper& trails() { return view_.trails(); }

 private:
  bool setUpGl(const SceneGl& gl);
  HGLRC makeContext(const SceneGl& gl);
  ViewStart viewStart(unsigned seed, const SceneGl& gl);

  HWND window_ = nullptr;
  HDC deviceContext_ = nullptr;
  HGLRC context_ = nullptr;
  bool ownsContext_ = false;
  bool glReady_ = false;
  ScreenRect rect_ = {};
  SceneView view_;
};

}  // namespace vantrel
