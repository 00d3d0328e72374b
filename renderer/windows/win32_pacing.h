#pragma once
// Holds the renderer's frames to the display's refresh where the swap does
// not: a waitable timer the message loop waits on, with a finer system timer
// asked for only while the renderer runs. Platform header.
#include <windows.h>

#include "renderer/scene/frame_ceiling.h"
#include "renderer/scene/frame_pacer.h"

namespace vantrel {

class FramePacing {
 public:
  // Paces with the main window's view's pacer, which outlives it.
  explicit FramePacing(FramePacer& pacer) : pacer_(pacer) {}

  // The finer timer, the waitable timer and the display's current rate;
  // frames at most `maxFramesPerSecond` a second (0: the display's ceiling).
  void start(int maxFramesPerSecond);
  // Gives the finer timer back.
  void stop();
  // The display's rate again, after WM_DISPLAYCHANGE.
  void followRefreshRate();
  // Refreshes a frame from the rate and the limits, battery saver's
  // included; 0 when unchanged, else the new count, which the caller asks
  // of the main window's swap too.
  int applyFrameLimits(bool powerSaving);
  // After a frame's swaps: when the next frame is due.
  void scheduleNextFrame();
  // Frames stopped for a while: the next one is due at once and its swap is
  // not measured against the last.
  void pause();
  // True when the next frame is due. Otherwise waits until it is or a
  // message arrives, and returns true only in the first case.
  bool awaitFrameTurn();

 private:
  double nowSeconds() const;

  FramePacer& pacer_;
  HANDLE frameTimer_ = nullptr;
  bool finerTimer_ = false;
  bool turnPending_ = false;  // frameTimer_ is set and has not fired yet
  double countsPerSecond_ = 0.0;
  double refreshHz_ = 0.0;  // as Windows reports it
  FrameLimits limits_;
};

}  // namespace vantrel
