#pragma once
// What each monitor gets around the main window: a star flight of its own,
// black strips, or nothing; and where the main window belongs. Pure.
#include <vector>

#include "renderer/windows/cover_layout.h"

namespace vantrel {

struct MonitorPlan {
  // Whole monitors the main window does not touch: one scene window each.
  std::vector<ScreenRect> scenes;
  // The uncovered parts of monitors the main window overlaps in part: too
  // thin for a scene, so plain black covers.
  std::vector<ScreenRect> covers;
};

// Each monitor, the primary included, in monitor order: untouched by
// mainWindow, a scene; partly under it, covers for what it leaves; wholly
// under it, nothing. With `scenes` false every uncovered part is a cover
// instead.
MonitorPlan planMonitors(const std::vector<MonitorArea>& monitors,
                         const ScreenRect& mainWindow, bool scenes = true);

// The primary monitor's rectangle, where the main window belongs after a
// display change; false when no non-empty monitor is flagged primary.
bool primaryMonitorRect(const std::vector<MonitorArea>& monitors,
                        ScreenRect& rect);

}  // namespace vantrel
