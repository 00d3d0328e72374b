#pragma once
// Whether the display is on, from the system's power-setting notifications
// to the renderer's window. Platform header.
#include <windows.h>

namespace vantrel {

// Asks for the display's state changes at `window`: GUID_CONSOLE_DISPLAY_STATE,
// or GUID_MONITOR_POWER_ON where that is not known.
void watchDisplayPower(HWND window);
void stopWatchingDisplayPower();
// WM_POWERBROADCAST: notes a change of the display's state. The message's
// result.
LRESULT onPowerBroadcast(WPARAM event, LPARAM setting);
// False from a notification that the display went off until one that it is
// on again; true before any.
bool displayOn();

}  // namespace vantrel
