#pragma once
// Plain black windows over the strips of monitors the main window leaves
// showing the desktop. Platform header.
#include <windows.h>

#include <vector>

#include "renderer/windows/cover_layout.h"
#include "renderer/windows/win32_monitors.h"

namespace vantrel {

// Registers the cover class; false, and no covers later, when refused.
bool openCovers(HINSTANCE instance);
// Moves, makes or destroys covers so exactly `rects` are covered. Does
// nothing without the class.
void layCovers(const std::vector<ScreenRect>& rects);
// Destroys every cover and unregisters the class.
void closeCovers();

LRESULT CALLBACK coverWindowProc(HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam);

}  // namespace vantrel
