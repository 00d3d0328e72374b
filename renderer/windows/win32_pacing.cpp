#include "renderer/windows/win32_pacing.h"

#include <mmsystem.h>

namespace vantrel {

double FramePacing::nowSeconds() const {
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / countsPerSecond_;
}

void FramePacing::start(int maxFramesPerSecond) {
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
    return;  // no clock to pace by: frames run as the swap lets them
  }
  countsPerSecond_ = static_cast<double>(frequency.QuadPart);
  // NOTE: the default timer ticks every 15.6 ms, coarser than a refresh.
  finerTimer_ = timeBeginPeriod(1) == TIMERR_NOERROR;
  frameTimer_ = CreateWaitableTimerA(nullptr, TRUE, nullptr);
  pacer_ = FramePacer();
  turnPending_ = false;
  limits_ = FrameLimits();
  limits_.maxFramesPerSecond = maxFramesPerSecond;
  followRefreshRate();
}

void FramePacing::stop() {
  if (frameTimer_ != nullptr) CloseHandle(frameTimer_);
  frameTimer_ = nullptr;
  turnPending_ = false;
  if (finerTimer_) timeEndPeriod(1);
  finerTimer_ = false;
}

void FramePacing::followRefreshRate() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof(mode);
  const bool known = EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  // 0 and 1 stand for the hardware's default: the pacer takes 60 Hz.
  refreshHz_ = known ? static_cast<double>(mode.dmDisplayFrequency) : 0.0;
  pacer_.setRefreshRate(refreshHz_);
}

int FramePacing::applyFrameLimits(bool powerSaving) {
  limits_.powerSaving = powerSaving;
  const int refreshes = refreshesPerFrame(refreshHz_, limits_);
  if (refreshes == pacer_.refreshesPerFrame()) return 0;
  pacer_.setRefreshesPerFrame(refreshes);
  return refreshes;
}

void FramePacing::scheduleNextFrame() {
  if (frameTimer_ == nullptr) return;
  const double wait = pacer_.afterSwap(nowSeconds());
  if (wait <= 0.0) return;
  LARGE_INTEGER due;
  due.QuadPart = -static_cast<LONGLONG>(wait * 1e7);  // relative, 100 ns
  turnPending_ = SetWaitableTimer(frameTimer_, &due, 0, nullptr, nullptr,
                                  FALSE) != FALSE;
}

void FramePacing::pause() {
  pacer_.pause();
  if (turnPending_) CancelWaitableTimer(frameTimer_);
  turnPending_ = false;
}

bool FramePacing::awaitFrameTurn() {
  if (!turnPending_) return true;
  // NOTE: MWMO_INPUTAVAILABLE wakes for messages already queued too.
  const DWORD woken = MsgWaitForMultipleObjectsEx(
      1, &frameTimer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) turnPending_ = false;
  return !turnPending_;
}

}  // namespace vantrel
