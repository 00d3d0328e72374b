#include "renderer/scene/frame_pacer.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// Swaps that wait for the display cannot, over kWindow of them, come faster
// than this share of its rate allows; the margin is for the jitter of the
// first and last return. Single swaps may come sooner, so a window is judged.
constexpr double kPacedShare = 0.98;
// A single probe interval shorter than this share of a refresh cannot have
// waited for the display.
constexpr double kFastShare = 0.75;
// Probes in a row that must find the swap pacing before waits stop.
constexpr int kProbeHitsNeeded = 3;

}  // namespace

RefreshPeriods refreshPeriods(double reportedHz) {
  // NOTE: written so that NaN falls to the default as well.
  if (!(reportedHz > 1.5 && reportedHz < 1000.0)) {
    return {1.0 / 60.0, 1.0 / 60.0};
  }
  const bool whole = reportedHz == std::floor(reportedHz);
  return {1.0 / reportedHz, 1.0 / (whole ? reportedHz + 1.0 : reportedHz)};
}

void FramePacer::setRefreshRate(double reportedHz) {
  refresh_ = refreshPeriods(reportedHz);
}

void FramePacer::setRefreshesPerFrame(int refreshes) {
  refreshes = std::max(1, refreshes);
  if (refreshes == refreshes_) return;
  refreshes_ = refreshes;
  // Swaps timed at the old interval say nothing of the new one.
  measuredCount_ = 0;
  probeHits_ = 0;
}

void FramePacer::pause() {
  measured_ = false;
  probing_ = false;
}

double FramePacer::afterSwap(double now) {
  const double interval = now - lastSwap_;
  const bool usable = measured_ && interval >= 0.0;
  lastSwap_ = now;
  measured_ = true;
  if (usable) {
    if (!waiting_) judgeSwaps(interval);
    else if (probing_) judgeProbe(interval);
  }
  const bool probed = probing_;
  probing_ = false;
  if (!waiting_) return 0.0;
  if (++sinceProbe_ >= kProbeEvery) {
    // One frame without a wait shows whether the swap now paces itself. It
    // takes the next frame's turn, so the frames a second stay the same.
    sinceProbe_ = 0;
    probing_ = true;
    lastTarget_ += period();
    return 0.0;
  }
  // The next frame is due one refresh after the last was; a frame that ran
  // late, or a clock that jumped, starts the count afresh from now.
  const double longest = probed ? 2.0 * period() : period();
  const double wait = std::clamp(lastTarget_ + period() - now, 0.0, longest);
  lastTarget_ = now + wait;
  return wait;
}

void FramePacer::judgeSwaps(double interval) {
  // A stall counts as two frame periods, so it hides fast swaps only
  // briefly.
  intervals_[next_] = std::min(interval, 2.0 * period());
  next_ = (next_ + 1) % kWindow;
  measuredCount_ = std::min(measuredCount_ + 1, kWindow);
  if (measuredCount_ < kWindow) return;
  double total = 0.0;
  for (double each : intervals_) total += each;
  if (total >= kWindow * kPacedShare * refreshes_ * refresh_.shortest) return;
  waiting_ = true;
  lastTarget_ = lastSwap_;
  sinceProbe_ = 0;
  probeHits_ = 0;
}

void FramePacer::judgeProbe(double interval) {
  const double shortestFrame = refreshes_ * refresh_.shortest;
  probeHits_ = interval >= kFastShare * shortestFrame ? probeHits_ + 1 : 0;
  if (probeHits_ < kProbeHitsNeeded) return;
  waiting_ = false;
  measuredCount_ = 0;
}

}  // namespace vantrel
