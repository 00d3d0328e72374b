#pragma once
// Plain black windows over the monitors the main window leaves showing the
// desktop. Platform header.
#include <windows.h>

#include <vector>

#include "renderer/windows/cover_layout.h"

namespace vantrel {

// The monitors of the desktop, primary flagged.
using MonitorSource = std::vector<MonitorArea> (*)();

// Lets tests lay out monitors of their own (nullptr: EnumDisplayMonitors).
void setMonitorSource(MonitorSource source);

// The desktop's monitors as EnumDisplayMonitors lists them.
std::vector<MonitorArea> enumerateMonitors();

// Registers the cover class and covers what mainWindow leaves uncovered;
// without the class the program runs with no covers.
void openCovers(HINSTANCE instance, HWND mainWindow);
// Moves, makes or destroys covers for the monitors as they are now; on
// WM_DISPLAYCHANGE. Does nothing before openCovers.
void followDisplayChange();
// Destroys every cover and unregisters the class.
void closeCovers();

LRESULT CALLBACK coverWindowProc(HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam);

}  // namespace vantrel
