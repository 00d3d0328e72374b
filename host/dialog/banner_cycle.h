// The banner's animation counter: what one 100 ms tick of the dialog's timer
// shows. One cycle is 49 ticks: frames 1-24 in the left box, frames 1-24 in
// the right box, then one tick in which nothing changes.
#pragma once

#include <cstdint>

namespace vantrel {

struct BannerTick {
  int16_t counter;  // the counter after this tick (0 after the still tick)
  int box;          // 0 left, 1 right, -1 nothing changes
  int frame;        // 1-24 when box is 0 or 1, else 0
};

// The tick that follows a counter value. A counter outside 0-48 (never
// produced by the cycle) restarts the cycle rather than overflowing.
BannerTick nextBannerTick(int16_t counter);

}  // namespace vantrel
