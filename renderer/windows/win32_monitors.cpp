#include "renderer/windows/win32_monitors.h"

namespace vantrel {

namespace {

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

ScreenRect windowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return toScreenRect(rect);
}

// Moves the main window over `rect` unless it is there; a new size reaches
// the view through WM_SIZE.
void placeWindow(HWND window, const ScreenRect& rect) {
  if (windowRect(window) == rect) return;
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::vector<MonitorArea> enumerateMonitors() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, collectMonitor,
                      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

void MonitorWindows::layOut(bool followPrimary) {
  const std::vector<MonitorArea> monitors =
      source_ != nullptr ? source_() : enumerateMonitors();
  ScreenRect primary = {};
  // NOTE: only on a display change: at the start the window has the size
  // the host wrote, which is the primary's.
  if (followPrimary && primaryMonitorRect(monitors, primary))
    placeWindow(plannedAround_, primary);
  const MonitorPlan plan =
      planMonitors(monitors, windowRect(plannedAround_), withScenes_);
  covers_.lay(plan.covers);
  scenes_.lay(plan.scenes);
}

void MonitorWindows::open(HINSTANCE instance, HWND mainWindow,
                          WindowOwner* owner, const SceneGl& gl, bool scenes) {
  plannedAround_ = mainWindow;
  covers_.open(instance, owner);
  // Without the scene class the other monitors are covered black instead.
  withScenes_ = scenes && scenes_.open(instance, owner, gl);
  layOut(false);
}

void MonitorWindows::followDisplayChange() {
  if (plannedAround_ != nullptr) layOut(true);
}

void MonitorWindows::close() {
  if (plannedAround_ == nullptr) return;
  scenes_.close();
  covers_.close();
  plannedAround_ = nullptr;
}

}  // namespace vantrel
