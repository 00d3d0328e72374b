#pragma once
// Whether the display is on, from the system's power-setting notifications
// to the renderer's window. Platform header.
#include <windows.h>

namespace vantrel {

class DisplayPowerWatch {
 public:
  // Asks for the display's state changes at `window`:
  // GUID_CONSOLE_DISPLAY_STATE, or GUID_MONITOR_POWER_ON where that is not
  // known.
  void watch(HWND window);
  void stop();
  // WM_POWERBROADCAST: notes a change of the display's state. The message's
  // result.
  LRESULT onPowerBroadcast(WPARAM event, LPARAM setting);
  // False from a notification that the display went off until one that it
  // is on again; true before any.
  bool displayOn() const { return on_; }

 private:
  HPOWERNOTIFY notification_ = nullptr;
  bool on_ = true;
};

}  // namespace vantrel
