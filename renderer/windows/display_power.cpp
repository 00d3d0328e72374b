#include "renderer/windows/display_power.h"

#include <cstdint>
#include <cstring>

namespace vantrel {

DisplayPower displayPowerFrom(DisplayPowerSetting setting,
                              const unsigned char* data, std::size_t length) {
  if (setting == DisplayPowerSetting::Other || data == nullptr ||
      length < sizeof(std::uint32_t)) {
    return DisplayPower::Unknown;
  }
  std::uint32_t value = 0;
  std::memcpy(&value, data, sizeof(value));  // the data need not be aligned
  if (value == 0) return DisplayPower::Off;
  if (value == 1) return DisplayPower::On;
  if (value == 2 && setting == DisplayPowerSetting::ConsoleDisplayState) {
    return DisplayPower::On;  // dimmed
  }
  return DisplayPower::Unknown;
}

DisplayPower powerSavingFrom(const unsigned char* data, std::size_t length) {
  // The same 32-bit value, 0 or 1, as the older display setting.
  return displayPowerFrom(DisplayPowerSetting::MonitorPowerOn, data, length);
}

}  // namespace vantrel
