#include "host/dialog/banner_cycle.h"

namespace vantrel {

BannerTick nextBannerTick(int16_t counter) {
  const int n = (counter >= 0 && counter < 49) ? counter + 1 : 1;
  if (n <= 24) return BannerTick{static_cast<int16_t>(n), 0, n};
  if (n <= 48) return BannerTick{static_cast<int16_t>(n), 1, n - 24};
  return BannerTick{0, -1, 0};
}

}  // namespace vantrel
