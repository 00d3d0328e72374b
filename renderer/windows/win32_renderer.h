#pragma once
// The renderer program as one object: its main window, OpenGL context,
// view (scene, clock and kept picture), the windows on the other monitors,
// frame pacing and display power, and the message loop that drives them.
// Platform header.
#include <windows.h>

#include "renderer/gl/scene_view.h"
#include "renderer/windows/win32_display_power.h"
#include "renderer/windows/win32_foreground.h"
#include "renderer/windows/win32_monitors.h"
#include "renderer/windows/win32_pacing.h"
#include "renderer/windows/win32_run_switches.h"
#include "renderer/windows/win32_window_owner.h"

namespace vantrel {

// What a run calls on the platform where tests put calls of their own; each
// nullptr takes the platform's.
struct RendererHooks {
  MonitorSource monitors = nullptr;         // EnumDisplayMonitors
  ForegroundCall foreground = nullptr;      // SetForegroundWindow
  int (*scenePixelFormat)(HDC dc) = nullptr;  // setPixelFormatOn
  PoolAllocator starPool = nullptr;         // the default allocation
};

class Win32Renderer final : public WindowOwner {
 public:
  explicit Win32Renderer(HINSTANCE instance, const RendererHooks& hooks = {});
  ~Win32Renderer();
  Win32Renderer(const Win32Renderer&) = delete;
  Win32Renderer& operator=(const Win32Renderer&) = delete;

  // The whole program: window, set-up, message loop, end. Returns the exit
  // code. The main window stays until the process ends, no longer reaching
  // this object.
  int run();

  // The steps of run, for tests that drive them one by one.
  // Registers the class and makes the main window of that size.
  bool openMainWindow(int width, int height);
  // OpenGL on the main window, the random seed, the star pool and the clock.
  // Returns 0 when the star pool cannot be allocated (the program then
  // ends), 1 otherwise, whether or not OpenGL could be set up.
  int initRenderer();
  int initOpenGL();
  // One frame at a chosen time (seconds): the main window drawn and
  // swapped, then each scene window.
  void runFrameAt(double elapsedSeconds, float frameDelta);
  void shutdownRenderer();

  HWND mainWindow() const { return window_; }
  bool openGlReady() const { return context_ != nullptr; }
  HGLRC renderingContext() const { return context_; }
  RendererState& state() { return view_.scene().state; }
  Scene& scene() { return view_.scene(); }
  TrailKeeper& trails() { return view_.trails(); }
  long long framesDrawn() const { return view_.frames(); }
  SceneWindows& sceneWindows() { return monitors_.scenes(); }

  // The main window's messages, and the other windows' keys.
  void onSize(LPARAM size) override;
  void onActivateApp(WPARAM active) override;
  void onKey(WPARAM key) override;
  void onDisplayChange() override;
  LRESULT onPowerBroadcast(WPARAM event, LPARAM setting) override;
  void makeMainWindowCurrent() override;

 private:
  int runMessageLoop();
  bool drainMessages(MSG& message);
  void runFrame();
  void presentFrame(double elapsedSeconds, float frameDelta);
  void openOtherMonitors();
  void writeStats();
  // The frame ceiling again from the rate, the user's limit and battery
  // saver, at the start and whenever one may have changed; a new count of
  // refreshes a frame goes to the main window's swap.
  void followFrameLimits();
  static void swapMainWindow(void* renderer);

  HINSTANCE instance_;
  RendererHooks hooks_;
  RunSwitches switches_;
  HWND window_ = nullptr;
  HDC deviceContext_ = nullptr;
  HGLRC context_ = nullptr;
  SceneView view_;  // the run's, the ribbon included
  ViewStart viewStart_;
  int active_ = 0;  // the wParam of the last WM_ACTIVATEAPP
  MonitorWindows monitors_;
  FramePacing pacing_;
  DisplayPowerWatch power_;
};

// The renderer that owns one of its windows (the main window, a scene
// window or a cover), through the window's one way back to it; nullptr
// before WM_NCCREATE and once the run is over.
Win32Renderer* rendererOfWindow(HWND window);

// A whole run with `hooks`; the program's entry.
int runRenderer(HINSTANCE instance, const RendererHooks& hooks = {});

}  // namespace vantrel
