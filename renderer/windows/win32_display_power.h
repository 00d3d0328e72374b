#pragma once
// Whether the display is on and whether battery saver is, from the
// system's power-setting notifications to the renderer's window. Platform
// header.
#include <windows.h>

namespace vantrel {

// Asks for the display's state changes at `window`: GUID_CONSOLE_DISPLAY_STATE,
// or GUID_MONITOR_POWER_ON where that is not known; and for battery saver's
// (GUID_POWER_SAVING_STATUS), whose state at start the power status gives.
void watchDisplayPower(HWND window);
void stopWatchingDisplayPower();
// WM_POWERBROADCAST: notes a change of the display's state. The message's
// result.
LRESULT onPowerBroadcast(WPARAM event, LPARAM setting);
// False from a notification that the display went off until one that it is
// on again; true before any.
bool displayOn();
// True while battery saver is on.
bool savingPower();

}  // namespace vantrel
