// The 8-bit picture's fade floor and the table that lets it reach black.
#include <gtest/gtest.h>

#include "renderer/fade_floor.h"

namespace vantrel {
namespace {

int throughTable(const float table[kFloorTableSize], int value) {
  return static_cast<int>(table[value] * 255.0f + 0.5f);
}

TEST(FadeFloor, ElevenTwelfthsFreezeExactlyOneToSix) {
  EXPECT_EQ(fadedEightBit(6), 6);  // 5.5 rounds back up
  EXPECT_EQ(fadedEightBit(1), 1);
  EXPECT_EQ(fadedEightBit(7), 6);
  EXPECT_EQ(fadedEightBit(255), 234);
  EXPECT_EQ(fadedEightBit(0), 0);
  float table[kFloorTableSize];
  eightBitFloorTable(table);
  for (int v = 0; v < kFloorTableSize; ++v) {
    const int expected = v >= 1 && v <= 6 ? v - 1 : v;
    EXPECT_EQ(throughTable(table, v), expected) << v;
  }
}

TEST(FadeFloor, FadePlusTableReachesBlackAndKeepsBrightFadesWithinOneStep) {
  float table[kFloorTableSize];
  eightBitFloorTable(table);
  int value = 255;
  int frames = 0;
  while (value > 0 && frames < 1000) {
    const int next = throughTable(table, fadedEightBit(value));
    if (value >= 8) EXPECT_NEAR(next, value * 11.0 / 12.0, 0.5) << value;
    EXPECT_LT(next, value);
    value = next;
    ++frames;
  }
  EXPECT_EQ(value, 0);
  EXPECT_LT(frames, 100);
}

}  // namespace
}  // namespace vantrel
