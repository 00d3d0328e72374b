#pragma once
// The scene windows over the monitors beside the main window, drawn one
// after another in each frame. Platform header.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "renderer/windows/win32_scene_window.h"

namespace vantrel {

// Registers the scene window class; false, and no scene windows later, when
// refused.
bool openSceneWindows(HINSTANCE instance);
// Keeps the scene windows already over `rects`, makes the missing ones and
// destroys the rest, then makes the main window current again.
void laySceneWindows(const std::vector<ScreenRect>& rects);
// One frame on every scene window (the main window drawn and swapped
// before), at the main window's time, speed and star count.
void drawSceneWindows(const RendererState& shared, double elapsedSeconds,
                      float frameDelta);
// Destroys every scene window and unregisters the class; needs the context
// still alive.
void closeSceneWindows();

std::size_t sceneWindowCount();
SceneWindow& sceneWindowAt(std::size_t index);

// Lets tests make a scene window's pixel format fail (nullptr: the real
// set-up).
void setScenePixelFormatCall(int (*setPixelFormat)(HDC dc));

LRESULT CALLBACK sceneWindowProc(HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam);

}  // namespace vantrel
