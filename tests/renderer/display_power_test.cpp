#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "renderer/windows/display_power.h"

namespace vantrel {
namespace {

DisplayPower from(DisplayPowerSetting setting, std::uint32_t value,
                  std::size_t length = 4) {
  unsigned char data[5] = {};
  std::memcpy(data + 1, &value, sizeof(value));  // unaligned, as it may come
  return displayPowerFrom(setting, data + 1, length);
}

TEST(DisplayPower, OffOnAndDimmedDisplays) {
  using S = DisplayPowerSetting;
  EXPECT_EQ(from(S::ConsoleDisplayState, 0), DisplayPower::Off);
  EXPECT_EQ(from(S::ConsoleDisplayState, 1), DisplayPower::On);
  EXPECT_EQ(from(S::ConsoleDisplayState, 2), DisplayPower::On);  // dimmed
  EXPECT_EQ(from(S::MonitorPowerOn, 0), DisplayPower::Off);
  EXPECT_EQ(from(S::MonitorPowerOn, 1), DisplayPower::On);
  EXPECT_EQ(from(S::MonitorPowerOn, 2), DisplayPower::Unknown);
  EXPECT_EQ(from(S::ConsoleDisplayState, 7), DisplayPower::Unknown);
}

TEST(DisplayPower, OtherSettingsAndShortDataTellNothing) {
  using S = DisplayPowerSetting;
  EXPECT_EQ(from(S::Other, 0), DisplayPower::Unknown);
  for (std::size_t length : {0, 1, 3}) {
    EXPECT_EQ(from(S::ConsoleDisplayState, 0, length), DisplayPower::Unknown);
  }
  EXPECT_EQ(displayPowerFrom(S::ConsoleDisplayState, nullptr, 4),
            DisplayPower::Unknown);
}

}  // namespace
}  // namespace vantrel
