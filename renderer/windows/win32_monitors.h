#pragma once
// The desktop's monitors, and the windows the renderer keeps on those beside
// the main window: scene windows and black covers. Platform header.
#include <windows.h>

#include <vector>

#include "renderer/windows/monitor_plan.h"

namespace vantrel {

// The monitors of the desktop, primary flagged.
using MonitorSource = std::vector<MonitorArea> (*)();

// Lets tests lay out monitors of their own (nullptr: EnumDisplayMonitors).
void setMonitorSource(MonitorSource source);

// The desktop's monitors as EnumDisplayMonitors lists them.
std::vector<MonitorArea> enumerateMonitors();

// Registers the classes and opens a scene window or covers for each monitor
// beside mainWindow; with `scenes` false only covers, as for one monitor.
void openMonitorWindows(HINSTANCE instance, HWND mainWindow, bool scenes);
// Lays the windows out again for the monitors as they are now; on
// WM_DISPLAYCHANGE. Does nothing before openMonitorWindows.
void followDisplayChange();
// Destroys every scene window and cover; needs the context still alive.
void closeMonitorWindows();

}  // namespace vantrel
