#pragma once
// What a power-setting notification says of the display. Pure: the window
// procedure hands over the notification's setting and data.
#include <cstddef>

namespace vantrel {

enum class DisplayPowerSetting {
  ConsoleDisplayState,  // GUID_CONSOLE_DISPLAY_STATE: 0 off, 1 on, 2 dimmed
  MonitorPowerOn,       // GUID_MONITOR_POWER_ON (older systems): 0 off, 1 on
  Other,
};

enum class DisplayPower { Off, On, Unknown };

// The display's state from the notification's `length` bytes of `data`; a
// dimmed display still shows the picture. Unknown for another setting, or
// data too short to hold the 32-bit value.
DisplayPower displayPowerFrom(DisplayPowerSetting setting,
                              const unsigned char* data, std::size_t length);

// GUID_POWER_SAVING_STATUS (battery saver): 1 on, 0 off; Unknown for
// another value or data too short. Off and On stand for saving power or not.
DisplayPower powerSavingFrom(const unsigned char* data, std::size_t length);

}  // namespace vantrel
