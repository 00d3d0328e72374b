#pragma once
// The renderer's main window: its class, creation and window procedure, and
// the messages the windows on the other monitors share. Platform header.
#include <windows.h>

#include "renderer/windows/win32_window_owner.h"

namespace vantrel {

// Registers "WINCLASS1"; false when the platform refuses.
bool registerRendererClass(HINSTANCE instance);
// Creates the borderless, visible window "Vantrel_VC" at (0,0), its messages
// going to `owner`; nullptr on failure.
HWND createRendererWindow(HINSTANCE instance, int width, int height,
                          WindowOwner* owner);

// What the windows on the other monitors (scenes and black covers) share:
// keys go to their owner, a close ends the program, and no cursor shows over
// them. True, with `result`, when the message was one of those.
bool handleOtherMonitorMessage(HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam, LRESULT& result);

}  // namespace vantrel
