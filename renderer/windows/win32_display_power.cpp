#include "renderer/windows/win32_display_power.h"

#include "renderer/windows/display_power.h"

namespace vantrel {

namespace {

// NOTE: defined here rather than through initguid.h, so no other file's
// GUID definitions change. Values from the Windows SDK's documentation.
const GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
const GUID kMonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

DisplayPowerSetting settingKind(const GUID& setting) {
  if (IsEqualGUID(setting, kConsoleDisplayState))
    return DisplayPowerSetting::ConsoleDisplayState;
  if (IsEqualGUID(setting, kMonitorPowerOn))
    return DisplayPowerSetting::MonitorPowerOn;
  return DisplayPowerSetting::Other;
}

}  // namespace

void DisplayPowerWatch::watch(HWND window) {
  on_ = true;
  notification_ = RegisterPowerSettingNotification(
      window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
  if (notification_ == nullptr) {
    notification_ = RegisterPowerSettingNotification(
        window, &kMonitorPowerOn, DEVICE_NOTIFY_WINDOW_HANDLE);
  }
}

void DisplayPowerWatch::stop() {
  if (notification_ != nullptr)
    UnregisterPowerSettingNotification(notification_);
  notification_ = nullptr;
  on_ = true;
}

LRESULT DisplayPowerWatch::onPowerBroadcast(WPARAM event, LPARAM setting) {
  if (event != PBT_POWERSETTINGCHANGE || setting == 0) return TRUE;
  const auto* change = reinterpret_cast<const POWERBROADCAST_SETTING*>(setting);
  const DisplayPower power = displayPowerFrom(
      settingKind(change->PowerSetting), change->Data, change->DataLength);
  if (power != DisplayPower::Unknown) on_ = power == DisplayPower::On;
  return TRUE;
}

}  // namespace vantrel
