#pragma once
// Keeps frames from outrunning the display where the buffer swap does not
// pace them (no swap control, or one the driver ignores). Pure: the caller
// reads the clock, swaps and sleeps. Times are seconds on one monotonic clock.

namespace vantrel {

// Seconds a refresh can last, at most and at least, at the rate the platform
// reports (Hz). A whole number N stands for any rate from N up to N+1:
// Windows rounds down (23.976 Hz reads 23). A fraction is taken as exact.
// 60 Hz where it reports none: 0 or 1 (Xvfb and Wine do), or anything
// unusable.
struct RefreshPeriods {
  double longest;
  double shortest;
};
RefreshPeriods refreshPeriods(double reportedHz);

class FramePacer {
 public:
  FramePacer() = default;
  virtual ~FramePacer() = default;

  // The display's rate as the platform reports it; may change at any time.
  void setRefreshRate(double reportedHz);
  // Refreshes each frame is shown for (refreshesPerFrame): the swap
  // interval asked for, and the frame period of a waiting pacer. A paced
  // swap then takes that many refreshes.
  void setRefreshesPerFrame(int refreshes);
  // After a frame's swaps returned at `now`: seconds to wait before the next
  // frame, 0 while the swap paces itself. Never more than one frame period,
  // or two after a frame that ran early to test the swap.
  double afterSwap(double now);
  // Frames stopped for a while (nothing shown, inactive): the next swap is
  // not measured against the last.
  void pause();

  bool waiting() const { return waiting_; }
  int refreshesPerFrame() const { return refreshes_; }
  // The frame period a waiting frame is held to: its refreshes at the
  // longest the report allows, so frames never outrun the display.
  double period() const { return refreshes_ * refresh_.longest; }

 private:
  static constexpr int kWindow = 8;       // swaps judged together
  static constexpr int kProbeEvery = 300;  // paced frames between probes

  void judgeSwaps(double interval);
  void judgeProbe(double interval);

  // Swaps are judged against the shortest refresh the report allows: a
  // display a little faster than reported must not look unpaced.
  RefreshPeriods refresh_ = {1.0 / 60.0, 1.0 / 60.0};
  int refreshes_ = 1;  // a frame's refreshes
  bool waiting_ = false;  // the swaps were found unpaced
  bool measured_ = false;  // lastSwap_ holds a swap of the running spell
  double lastSwap_ = 0.0;
  double lastTarget_ = 0.0;  // when the last frame was due to start
  double intervals_[kWindow] = {};  // the last swap intervals, at most 2 frame periods
  int measuredCount_ = 0;  // of them filled since waiting last stopped
  int next_ = 0;
  int sinceProbe_ = 0;
  bool probing_ = false;  // the last frame was let run without a wait
  int probeHits_ = 0;     // probes in a row that found the swap pacing
};

}  // namespace vantrel
