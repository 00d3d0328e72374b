#include "renderer/windows/monitor_plan.h"

namespace vantrel {

MonitorPlan planMonitors(const std::vector<MonitorArea>& monitors,
                         const ScreenRect& mainWindow, bool scenes) {
  MonitorPlan plan;
  for (const MonitorArea& monitor : monitors) {
    if (isEmptyRect(monitor.rect)) continue;
    const std::vector<ScreenRect> parts =
        subtractRect(monitor.rect, mainWindow);
    // One part equal to the monitor: the main window does not reach it.
    if (scenes && parts.size() == 1 && parts[0] == monitor.rect) {
      plan.scenes.push_back(monitor.rect);
    } else {
      plan.covers.insert(plan.covers.end(), parts.begin(), parts.end());
    }
  }
  return plan;
}

bool primaryMonitorRect(const std::vector<MonitorArea>& monitors,
                        ScreenRect& rect) {
  for (const MonitorArea& monitor : monitors) {
    if (monitor.primary && !isEmptyRect(monitor.rect)) {
      rect = monitor.rect;
      return true;
    }
  }
  return false;
}

}  // namespace vantrel
