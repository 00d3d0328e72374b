// The 8-bit picture's fade floor and the pass that lets it reach black.
#include "renderer/scene/fade_floor.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(FadeFloor, ElevenTwelfthsFreezeExactlyOneToSix) {
  EXPECT_EQ(fadedEightBit(6), 6);  // 5.5 rounds back up
  EXPECT_EQ(fadedEightBit(1), 1);
  EXPECT_EQ(fadedEightBit(7), 6);
  EXPECT_EQ(fadedEightBit(255), 234);
  EXPECT_EQ(fadedEightBit(0), 0);
  EXPECT_EQ(highestFrozenEightBit(), 6);
  for (int v = 0; v < kFloorTableSize; ++v) {
    const int expected = v > 6 ? v : 0;
    EXPECT_EQ(flooredEightBit(v), expected) << v;
  }
}

TEST(FadeFloor, PassEveryIntervalReachesBlackWithin100FramesAtAnyPhase) {
  for (int phase = 0; phase < kFloorInterval; ++phase) {
    int value = 255;
    int frames = 0;
    while (value > 0 && frames < 1000) {
      ++frames;
      const bool pass = (frames + phase) % kFloorInterval == 0;
      const int next = fadedEightBit(pass ? flooredEightBit(value) : value);
      if (value >= 8) {
        EXPECT_NEAR(next, value * 11.0 / 12.0, 0.5) << value;
      }
      value = next;
    }
    EXPECT_EQ(value, 0) << phase;
    EXPECT_LE(frames, 100) << phase;
  }
}

}  // namespace
}  // namespace vantrel
