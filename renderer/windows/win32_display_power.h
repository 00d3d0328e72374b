#pragma once
// Whether the display is on and whether battery saver is, from the system's
// power-setting notifications to the renderer's window. Platform header.
#include <windows.h>

namespace vantrel {

class DisplayPowerWatch {
 public:
  // Asks for the display's state changes at `window`:
  // GUID_CONSOLE_DISPLAY_STATE, or GUID_MONITOR_POWER_ON where that is not
  // known; and for battery saver's (GUID_POWER_SAVING_STATUS), whose state
  // at start the power status gives.
  void watch(HWND window);
  void stop();
  // WM_POWERBROADCAST: notes a change of the display's or battery saver's
  // state. The message's result.
  LRESULT onPowerBroadcast(WPARAM event, LPARAM setting);
  // False from a notification that the display went off until one that it
  // is on again; true before any.
  bool displayOn() const { return on_; }
  // True while battery saver is on.
  bool savingPower() const { return saving_; }

 private:
  HPOWERNOTIFY notification_ = nullptr;
  HPOWERNOTIFY savingNotification_ = nullptr;
  bool on_ = true;
  bool saving_ = false;
};

}  // namespace vantrel
