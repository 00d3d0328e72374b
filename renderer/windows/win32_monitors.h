#pragma once
// The desktop's monitors, and the windows the renderer keeps on those beside
// the main window: scene windows and black covers. Platform header.
#include <windows.h>

#include <vector>

#include "renderer/windows/monitor_plan.h"
#include "renderer/windows/win32_covers.h"
#include "renderer/windows/win32_scene_windows.h"

namespace vantrel {

// The monitors of the desktop, primary flagged.
using MonitorSource = std::vector<MonitorArea> (*)();

// The desktop's monitors as EnumDisplayMonitors lists them.
std::vector<MonitorArea> enumerateMonitors();

class MonitorWindows {
 public:
  // `source` lists the monitors (nullptr: enumerateMonitors).
  explicit MonitorWindows(MonitorSource source) : source_(source) {}
  ~MonitorWindows() { close(); }
  MonitorWindows(const MonitorWindows&) = delete;
  MonitorWindows& operator=(const MonitorWindows&) = delete;

  // Registers the classes and opens a scene window or covers for each
  // monitor beside mainWindow; with `scenes` false only covers, as for one
  // monitor. The windows' messages reach `owner`.
  void open(HINSTANCE instance, HWND mainWindow, WindowOwner* owner,
            const SceneGl& gl, bool scenes);
  // Moves the main window over the primary monitor as it is now, and lays
  // the windows out again around it; on WM_DISPLAYCHANGE. Does nothing
  // before open.
  void followDisplayChange();
  // Destroys every scene window and cover; needs the context still alive.
  void close();

  // One frame on every scene window, after the main window's.
  void drawScenes(const RendererState& shared, double elapsedSeconds,
                  float frameDelta) {
    scenes_.draw(shared, elapsedSeconds, frameDelta);
  }
  SceneWindows& scenes() { return scenes_; }

 private:
  // Scenes and covers around the main window, moved over the primary first
  // when `followPrimary`.
  void layOut(bool followPrimary);

  MonitorSource source_;
  // Set from open to close: its rectangle decides what the others get.
  HWND plannedAround_ = nullptr;
  bool withScenes_ = true;
  Covers covers_;
  SceneWindows scenes_;
};

}  // namespace vantrel
