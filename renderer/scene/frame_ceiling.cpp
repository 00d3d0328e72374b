#include "renderer/scene/frame_ceiling.h"

#include <algorithm>
#include <cmath>

#include "renderer/scene/frame_pacer.h"

namespace vantrel {

namespace {

// A rate this share under a whole multiple of a frame rate still counts as
// that multiple: NTSC's 1000/1001 is 0.1 % under.
constexpr double kNearMultiple = 0.002;
constexpr int kMaxRefreshesPerFrame = 256;

// The fewest refreshes a frame can last at `lowestHz` without the frames
// outrunning `framesPerSecond`, give or take the near-multiple margin.
int refreshesAtMost(double lowestHz, double framesPerSecond) {
  const double ratio = lowestHz / framesPerSecond * (1.0 - kNearMultiple);
  return std::max(1, static_cast<int>(std::ceil(ratio)));
}

}  // namespace

int refreshesPerFrame(double reportedHz, const FrameLimits& limits) {
  const RefreshPeriods periods = refreshPeriods(reportedHz);
  const double highestHz = 1.0 / periods.shortest;
  const double lowestHz = 1.0 / periods.longest;
  int k = std::max(
      1, static_cast<int>(std::floor(highestHz * (1.0 + kNearMultiple) / 60.0)));
  if (limits.maxFramesPerSecond > 0) {
    k = std::max(k, refreshesAtMost(lowestHz, limits.maxFramesPerSecond));
  }
  if (limits.preview) k *= 2;
  if (limits.powerSaving) {
    k = std::max(k, refreshesAtMost(lowestHz, kPowerSavingFrameRate));
  }
  return std::min(k, kMaxRefreshesPerFrame);
}

}  // namespace vantrel
