#pragma once
// What each monitor beside the main window gets: a star flight of its own,
// black strips, or nothing. Pure.
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

// Each monitor but the primary, in monitor order: untouched by mainWindow, a
// scene; partly under it, covers for what it leaves; wholly under it,
// nothing. With `scenes` false every uncovered part is a cover instead.
MonitorPlan planMonitors(const std::vector<MonitorArea>& monitors,
                         const ScreenRect& mainWindow, bool scenes = true);

}  // namespace vantrel
