#pragma once
// The renderer's one window: its class, creation and window procedure.
// Platform header.
#include <windows.h>

namespace vantrel {

// Registers "WINCLASS1"; false when the platform refuses.
bool registerRendererClass(HINSTANCE instance);
// Creates the borderless, visible window "Vantrel_VC" at (0,0); nullptr on
// failure.
HWND createRendererWindow(HINSTANCE instance, int width, int height);

LRESULT CALLBACK rendererWindowProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);

// A key press in any of the renderer's windows: handleKey, and the quit
// request on Escape.
void handleRendererKey(WPARAM key);

// What the windows on the other monitors (scenes and black covers) share:
// keys go to handleRendererKey, a close ends the program, and no cursor
// shows over them. True, with `result`, when the message was one of those.
bool handleOtherMonitorMessage(UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result);

// The wParam of the last WM_ACTIVATEAPP: frames run only while non-zero.
int appActive();

}  // namespace vantrel
