#include "renderer/windows/win32_pacing.h"

#include <mmsystem.h>

#include "renderer/scene/frame_ceiling.h"
#include "renderer/scene/frame_pacer.h"
#include "renderer/windows/wgl_context.h"
#include "renderer/windows/win32_display_power.h"
#include "renderer/windows/win32_renderer.h"
#include "renderer/windows/window_size.h"

namespace vantrel {

namespace {

FramePacer pacer;
HANDLE frameTimer = nullptr;
bool finerTimer = false;
bool turnPending = false;  // frameTimer is set and has not fired yet
double countsPerSecond = 0.0;
double refreshHz = 0.0;  // as Windows reports it
FrameLimits limits;

// Refreshes a frame from the rate and the limits: the main window's swap
// interval where the swap paces, the pacer's frame where it does not.
void applyFrameLimits() {
  limits.powerSaving = savingPower();
  const int refreshes = refreshesPerFrame(refreshHz, limits);
  if (refreshes == pacer.refreshesPerFrame()) return;
  pacer.setRefreshesPerFrame(refreshes);
  makeMainWindowCurrent();
  requestSwapInterval(refreshes);
}

double nowSeconds() {
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / countsPerSecond;
}

}  // namespace

void startFramePacing() {
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
    return;  // no clock to pace by: frames run as the swap lets them
  }
  countsPerSecond = static_cast<double>(frequency.QuadPart);
  // NOTE: the default timer ticks every 15.6 ms, coarser than a refresh.
  finerTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
  frameTimer = CreateWaitableTimerA(nullptr, TRUE, nullptr);
  pacer = FramePacer();
  turnPending = false;
  limits = FrameLimits();
  limits.maxFramesPerSecond = readMaxFramesPerSecond(kSettingsPath);
  followRefreshRate();
}

void stopFramePacing() {
  if (frameTimer != nullptr) CloseHandle(frameTimer);
  frameTimer = nullptr;
  turnPending = false;
  if (finerTimer) timeEndPeriod(1);
  finerTimer = false;
}

void followRefreshRate() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof(mode);
  const bool known = EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  // 0 and 1 stand for the hardware's default: the pacer takes 60 Hz.
  refreshHz = known ? static_cast<double>(mode.dmDisplayFrequency) : 0.0;
  pacer.setRefreshRate(refreshHz);
  applyFrameLimits();
}

void scheduleNextFrame() {
  if (frameTimer == nullptr) return;
  applyFrameLimits();
  const double wait = pacer.afterSwap(nowSeconds());
  if (wait <= 0.0) return;
  LARGE_INTEGER due;
  due.QuadPart = -static_cast<LONGLONG>(wait * 1e7);  // relative, 100 ns
  turnPending = SetWaitableTimer(frameTimer, &due, 0, nullptr, nullptr,
                                 FALSE) != FALSE;
}

void pauseFramePacing() {
  pacer.pause();
  if (turnPending) CancelWaitableTimer(frameTimer);
  turnPending = false;
}

bool awaitFrameTurn() {
  if (!turnPending) return true;
  // NOTE: MWMO_INPUTAVAILABLE wakes for messages already queued too.
  const DWORD woken = MsgWaitForMultipleObjectsEx(
      1, &frameTimer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) turnPending = false;
  return !turnPending;
}

}  // namespace vantrel
