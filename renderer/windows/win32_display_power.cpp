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
const GUID kPowerSavingStatus = {
    0xe00958c0, 0xc213, 0x4ace, {0xac, 0x77, 0xfe, 0xcc, 0xed, 0x2e, 0xee, 0xa5}};

// Battery saver's state now: SYSTEM_POWER_STATUS.SystemStatusFlag.
bool batterySaverNow() {
  SYSTEM_POWER_STATUS status = {};
  if (!GetSystemPowerStatus(&status)) return false;
  // NOTE: mingw-w64's headers still name SystemStatusFlag Reserved1.
  return status.Reserved1 == 1;
}

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
  saving_ = batterySaverNow();
  savingNotification_ = RegisterPowerSettingNotification(
      window, &kPowerSavingStatus, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void DisplayPowerWatch::stop() {
  if (notification_ != nullptr)
    UnregisterPowerSettingNotification(notification_);
  notification_ = nullptr;
  if (savingNotification_ != nullptr)
    UnregisterPowerSettingNotification(savingNotification_);
  savingNotification_ = nullptr;
  on_ = true;
  saving_ = false;
}

LRESULT DisplayPowerWatch::onPowerBroadcast(WPARAM event, LPARAM setting) {
  if (event != PBT_POWERSETTINGCHANGE || setting == 0) return TRUE;
  const auto* change = reinterpret_cast<const POWERBROADCAST_SETTING*>(setting);
  if (IsEqualGUID(change->PowerSetting, kPowerSavingStatus)) {
    const DisplayPower state = powerSavingFrom(change->Data, change->DataLength);
    if (state != DisplayPower::Unknown) saving_ = state == DisplayPower::On;
    return TRUE;
  }
  const DisplayPower power = displayPowerFrom(
      settingKind(change->PowerSetting), change->Data, change->DataLength);
  if (power != DisplayPower::Unknown) on_ = power == DisplayPower::On;
  return TRUE;
}

}  // namespace vantrel
