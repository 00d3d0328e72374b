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

}  // namespace

std::vector<MonitorArea> enumerateMonitors() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, collectMonitor,
                      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

void MonitorWindows::layOut() {
  RECT mainRect = {};
  GetWindowRect(plannedAround_, &mainRect);
  const std::vector<MonitorArea> monitors =
      source_ != nullptr ? source_() : enumerateMonitors();
  const MonitorPlan plan =
      planMonitors(monitors, toScreenRect(mainRect), withScenes_);
  covers_.lay(plan.covers);
  scenes_.lay(plan.scenes);
}

void MonitorWindows::open(HINSTANCE instance, HWND mainWindow,
                          WindowOwner* owner, const SceneGl& gl, bool scenes) {
  plannedAround_ = mainWindow;
  covers_.open(instance, owner);
  // Without the scene class the other monitors are covered black instead.
  withScenes_ = scenes && scenes_.open(instance, owner, gl);
  layOut();
}

void MonitorWindows::followDisplayChange() {
  if (plannedAround_ != nullptr) layOut();
}

void MonitorWindows::close() {
  if (plannedAround_ == nullptr) return;
  scenes_.close();
  covers_.close();
  plannedAround_ = nullptr;
}

}  // namespace vantrel
