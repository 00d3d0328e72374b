#include "renderer/windows/win32_monitors.h"

#include "renderer/windows/win32_covers.h"
#include "renderer/windows/win32_scene_windows.h"

namespace vantrel {

namespace {

// Open from openMonitorWindows to closeMonitorWindows; the main window's
// rectangle decides what the other monitors get.
HWND plannedAround = nullptr;
bool withScenes = true;
MonitorSource monitorSource = nullptr;

ScreenRect toScreenRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoA(monitor, &info)) {
    const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    reinterpret_cast<std::vector<MonitorArea>*>(data)->push_back(
        {toScreenRect(info.rcMonitor), primary});
  }
  return TRUE;
}

void layOut() {
  RECT mainRect = {};
  GetWindowRect(plannedAround, &mainRect);
  const std::vector<MonitorArea> monitors =
      monitorSource != nullptr ? monitorSource() : enumerateMonitors();
  const MonitorPlan plan =
      planMonitors(monitors, toScreenRect(mainRect), withScenes);
  layCovers(plan.covers);
  laySceneWindows(plan.scenes);
}

}  // namespace

void setMonitorSource(MonitorSource source) { monitorSource = source; }

std::vector<MonitorArea> enumerateMonitors() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, collectMonitor,
                      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

void openMonitorWindows(HINSTANCE instance, HWND mainWindow, bool scenes) {
  plannedAround = mainWindow;
  openCovers(instance);
  // Without the scene class the other monitors are covered black instead.
  withScenes = scenes && openSceneWindows(instance);
  layOut();
}

void followDisplayChange() {
  if (plannedAround != nullptr) layOut();
}

void closeMonitorWindows() {
  if (plannedAround == nullptr) return;
  closeSceneWindows();
  closeCovers();
  plannedAround = nullptr;
}

}  // namespace vantrel
