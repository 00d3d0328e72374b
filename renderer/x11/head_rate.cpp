#include "renderer/x11/head_rate.h"

#include <algorithm>

namespace vantrel {

namespace {

// Pixels from (x, y) to the nearest pixel of `head`, squared; 0 inside it.
long long squaredDistance(const Head& head, int x, int y) {
  const long long dx =
      std::max({0LL, static_cast<long long>(head.x) - x,
                static_cast<long long>(x) - (head.x + head.width - 1)});
  const long long dy =
      std::max({0LL, static_cast<long long>(head.y) - y,
                static_cast<long long>(y) - (head.y + head.height - 1)});
  return dx * dx + dy * dy;
}

}  // namespace

double modeRefreshRate(const ModeTimings& mode) {
  double lines = mode.vTotal;
  if (mode.doubleScan) lines *= 2.0;
  if (mode.interlace) lines /= 2.0;
  const double pixels = lines * mode.hTotal;
  if (!(mode.dotClockHz > 0.0) || pixels <= 0.0) return 0.0;
  return mode.dotClockHz / pixels;
}

double headRateAt(const std::vector<Head>& heads, int x, int y) {
  const Head* chosen = nullptr;
  long long chosenDistance = 0;
  for (const Head& head : heads) {
    const long long distance = squaredDistance(head, x, y);
    const bool better = chosen == nullptr || distance < chosenDistance ||
                        (distance == chosenDistance && head.hz < chosen->hz);
    if (better) {
      chosen = &head;
      chosenDistance = distance;
    }
  }
  return chosen != nullptr ? chosen->hz : 0.0;
}

}  // namespace vantrel
